#pragma once

#include <QApplication>

namespace veltrano::qt {

// The main window shows the hourglass while a command runs; a dialog it opens wants the arrow.
class ArrowWhileShown {
public:
    ArrowWhileShown() : active_(QApplication::overrideCursor() != nullptr) {
        if (active_) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~ArrowWhileShown() {
        if (active_) {
            QApplication::restoreOverrideCursor();
        }
    }
    ArrowWhileShown(const ArrowWhileShown&) = delete;
    ArrowWhileShown& operator=(const ArrowWhileShown&) = delete;

private:
    bool active_;
};

} // namespace veltrano::qt
