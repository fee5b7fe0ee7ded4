#pragma once

#include "platform/controls/StatusBar.h"

#include <string>
#include <vector>

namespace veltrano::testsupport {

// Every text the status bar's "Status" panel is given; with all = true, every panel's as
// "Key: text".
class StatusRecorder final : public controls::StatusBar::Listener {
public:
    explicit StatusRecorder(bool all = false) : all_(all) {}
    void PanelTextChanged(const std::string& key, const std::string& text) override {
        if (all_) {
            texts.push_back(key + ": " + text);
        } else if (key == "Status") {
            texts.push_back(text);
        }
    }
    std::vector<std::string> texts;

private:
    bool all_;
};

} // namespace veltrano::testsupport
