#include "app/frmHaupt.h"

#include <cctype>

namespace veltrano::app {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// An optionally signed decimal number: "40", "-1", "+3", "2.5", ".5", "7.".
bool IsDecimalNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    bool digits = false;
    bool point = false;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

} // namespace

std::string PadNumericText(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (!IsDecimalNumber(trimmed)) {
        return std::string(text);
    }
    constexpr std::size_t kWidth = 5;
    std::string padded(trimmed.size() < kWidth ? kWidth - trimmed.size() : 0, ' ');
    padded += trimmed;
    return padded;
}

} // namespace veltrano::app
