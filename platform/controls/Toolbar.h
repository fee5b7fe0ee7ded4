#pragma once

#include "platform/controls/ControlError.h"
#include "platform/controls/ListenerSlot.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::controls {

class Toolbar {
public:
    struct Button {
        std::string key;
        std::string caption; // with '&' before the access key
        std::string image;   // key in the toolbar's image list
        bool enabled = true;
    };

    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void ButtonsReset() {}
        virtual void ButtonChanged(std::int32_t /*index*/) {} // 1-based
        virtual void EnabledChanged(bool /*enabled*/) {}
    };

    void SetListener(Listener* listener) { listener_ = internal::Attach(listener_, listener); }

    void ButtonsClear();
    // A duplicate key raises 35602.
    std::int32_t ButtonsAdd(std::string_view key, std::string_view caption, std::string_view image);
    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(buttons_.size()); }
    const Button& At(std::int32_t index) const;      // 1-based, 35600 when out of range
    const Button& ByKey(std::string_view key) const; // 35601 when absent
    void SetButtonEnabled(std::string_view key, bool enabled);

    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);

private:
    std::int32_t IndexOf(std::string_view key) const; // 0 when absent

    std::vector<Button> buttons_;
    bool enabled_ = true;
    Listener* listener_ = nullptr;
};

// Caption without '&' markers ("S&earch" -> "Search"); "&&" stands for a literal '&'.
std::string StripAccessKey(std::string_view caption);
// The access key character of a caption, or '\0' when it has none.
char AccessKeyOf(std::string_view caption);

} // namespace veltrano::controls
