#include "platform/controls/StatusBar.h"

namespace veltrano::controls {

StatusBar::StatusBar(std::vector<std::string> panelKeys) {
    panels_.reserve(panelKeys.size());
    for (std::string& key : panelKeys) {
        if (!key.empty()) {
            for (const Panel& panel : panels_) {
                if (panel.Key() == key) {
                    throw errors::Error(errors::kKeyNotUnique);
                }
            }
        }
        panels_.emplace_back(std::move(key), *this);
    }
}

StatusBar::Panel& StatusBar::Panels(std::string_view key) {
    for (Panel& panel : panels_) {
        if (!key.empty() && panel.Key() == key) {
            return panel;
        }
    }
    throw errors::Error(errors::kElementNotFound);
}

void StatusBar::Panel::SetText(std::string_view text) {
    if (text_ == text) {
        return;
    }
    text_ = text;
    if (owner_->listener_ != nullptr) {
        owner_->listener_->PanelTextChanged(key_, text_);
    }
}

} // namespace veltrano::controls
