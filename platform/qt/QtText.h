#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace veltrano::qt {

// The core keeps its texts in UTF-8.
inline QString FromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToCore(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace veltrano::qt
