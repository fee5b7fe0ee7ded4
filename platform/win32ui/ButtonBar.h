#pragma once

// The toolbar of the eight commands as a common-controls Toolbar: a button per model button
// with its picture and its caption (the '&' marks the access key, which Alt answers), enabled
// as the model says.

#include "platform/controls/ImageList.h"
#include "platform/controls/Toolbar.h"

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

namespace veltrano::win32ui {

class ButtonBar final : private controls::Toolbar::Listener {
public:
    static constexpr int kFirstCommand = 40001;

    ButtonBar(HWND parent, int id, controls::Toolbar& toolbar, const controls::ImageList& images);
    ~ButtonBar() override;
    ButtonBar(const ButtonBar&) = delete;
    ButtonBar& operator=(const ButtonBar&) = delete;

    HWND Handle() const noexcept { return window_; }
    void SetImages(HIMAGELIST images);
    // The key of the button with this command identifier.
    std::optional<std::string> KeyOfCommand(int command) const;
    // The key of the enabled button whose access key is this character (Alt + character).
    std::optional<std::string> KeyOfAccessKey(wchar_t character) const;
    // Height the toolbar takes at the top of the window.
    int Height() const;

private:
    void ButtonsReset() override;
    void ButtonChanged(std::int32_t index) override;
    void EnabledChanged(bool enabled) override;

    controls::Toolbar& toolbar_;
    const controls::ImageList& images_;
    HWND window_;
};

} // namespace veltrano::win32ui
