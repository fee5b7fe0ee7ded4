#include "platform/controls/Toolbar.h"

namespace veltrano::controls {

void Toolbar::ButtonsClear() {
    buttons_.clear();
    if (listener_ != nullptr) {
        listener_->ButtonsReset();
    }
}

std::int32_t Toolbar::ButtonsAdd(std::string_view key, std::string_view caption,
                                 std::string_view image) {
    if (!key.empty() && IndexOf(key) != 0) {
        throw errors::Error(errors::kKeyNotUnique);
    }
    buttons_.push_back(Button{std::string(key), std::string(caption), std::string(image), true});
    if (listener_ != nullptr) {
        listener_->ButtonsReset();
    }
    return Count();
}

const Toolbar::Button& Toolbar::At(std::int32_t index) const {
    if (index < 1 || index > Count()) {
        throw errors::Error(errors::kIndexOutOfBounds);
    }
    return buttons_[static_cast<std::size_t>(index - 1)];
}

const Toolbar::Button& Toolbar::ByKey(std::string_view key) const {
    const std::int32_t index = IndexOf(key);
    if (index == 0) {
        throw errors::Error(errors::kElementNotFound);
    }
    return At(index);
}

void Toolbar::SetButtonEnabled(std::string_view key, bool enabled) {
    const std::int32_t index = IndexOf(key);
    if (index == 0) {
        throw errors::Error(errors::kElementNotFound);
    }
    Button& button = buttons_[static_cast<std::size_t>(index - 1)];
    if (button.enabled == enabled) {
        return;
    }
    button.enabled = enabled;
    if (listener_ != nullptr) {
        listener_->ButtonChanged(index);
    }
}

void Toolbar::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (listener_ != nullptr) {
        listener_->EnabledChanged(enabled);
    }
}

std::int32_t Toolbar::IndexOf(std::string_view key) const {
    if (key.empty()) {
        return 0;
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].key == key) {
            return static_cast<std::int32_t>(i + 1);
        }
    }
    return 0;
}

std::string StripAccessKey(std::string_view caption) {
    std::string shown;
    shown.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            shown += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            shown += '&';
            ++i;
        }
    }
    return shown;
}

char AccessKeyOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') {
            continue;
        }
        if (caption[i + 1] != '&') {
            return caption[i + 1];
        }
        ++i; // "&&" is a literal '&', not a marker
    }
    return '\0';
}

} // namespace veltrano::controls
