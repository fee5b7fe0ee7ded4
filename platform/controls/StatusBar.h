#pragma once

#include "platform/controls/ControlError.h"
#include "platform/controls/ListenerSlot.h"

#include <string>
#include <string_view>
#include <vector>

namespace veltrano::controls {

class StatusBar {
public:
    class Panel {
    public:
        Panel(std::string key, StatusBar& owner) : key_(std::move(key)), owner_(&owner) {}
        const std::string& Key() const noexcept { return key_; }
        const std::string& Text() const noexcept { return text_; }
        void SetText(std::string_view text);

    private:
        std::string key_;
        std::string text_;
        StatusBar* owner_;
    };

    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void PanelTextChanged(const std::string& /*key*/, const std::string& /*text*/) {}
    };

    explicit StatusBar(std::vector<std::string> panelKeys);
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    void SetListener(Listener* listener) { listener_ = internal::Attach(listener_, listener); }
    // Panels("key"): raises 35601 when no panel has that key.
    Panel& Panels(std::string_view key);

private:
    friend class Panel;
    std::vector<Panel> panels_;
    Listener* listener_ = nullptr;
};

} // namespace veltrano::controls
