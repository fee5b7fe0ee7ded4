#pragma once

// The about box's behaviour: captions, the scroll offset of the text picture, the link's hover
// state and the closing actions. A front end draws it and forwards its events here.

#include "platform/forms/FormsRuntime.h"
#include "winsvc/clShellExecute.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::about {

inline constexpr int kFormWidth = 320; // client area in pixels
inline constexpr int kFormHeight = 182;
inline constexpr int kScrollPictureWidth = 140; // ilScrollTexte's first image
inline constexpr int kScrollPictureHeight = 420;
inline constexpr int kScrollWindowWidth = 140; // picScrollText
inline constexpr int kScrollWindowHeight = 44;
inline constexpr int kTimerInterval = 70;                                                // ms
inline constexpr int kLastScrollOffset = kScrollPictureHeight - kScrollWindowHeight - 1; // 375
inline constexpr std::string_view kCaption = "Informationen über das Programm";
inline constexpr std::string_view kLinkToolTip = "Besuchen Sie uns im Internet...";
inline constexpr std::string_view kNotice = "© 2026 Veltrano";
inline constexpr int kEscape = 27;

// "Version " + major + "." + minor + ".0." + revision.
std::string VersionCaption(const forms::AppVersion& version);
// The address without its scheme and closing slash: "https://www.x.example/" gives "www.x.example".
std::string LinkCaptionOf(std::string_view address);
// Lines of the scroll picture, kScrollLineHeight pixels each from its top. They fill at most the
// rows that scroll through (0 to kLastScrollOffset); the picture's last kScrollWindowHeight rows
// repeat its first ones, so that the jump from the last offset back to 0 is not seen.
inline constexpr int kScrollLineHeight = 16;
struct ScrollLine {
    std::string_view text; // "" is an empty line
    bool heading = false;
};
const std::vector<ScrollLine>& ScrollTextLines();

class frmInfo {
public:
    frmInfo(forms::FormsRuntime& forms, winsvc::clShellExecute& shell,
            std::string webAddress = VELTRANO_WEB_ADDRESS);

    // Form_Load: captions and offset 0.
    void Load();

    const std::string& lbVersionCaption() const noexcept { return versionCaption_; }
    std::string_view lbCopyrightCaption() const noexcept { return kNotice; }
    const std::string& lbMSCaption() const noexcept { return linkCaption_; }
    const std::string& lbMSTag() const noexcept { return webAddress_; }
    bool lbMSUnderlined() const noexcept { return linkUnderlined_; }
    // The form's own pointer: vbDefault or vbUpArrow.
    int MousePointer() const noexcept { return mousePointer_; }
    // Distance from the top of the scroll picture to the top of the part shown.
    std::int32_t ScrollOffset() const noexcept { return scrollOffset_; }
    // Set once a closing action ran; the front end then closes the window.
    bool Unloaded() const noexcept { return unloaded_; }

    // One step of the scroll: the front end repaints picScrollText from ScrollOffset.
    void Timer1_Timer() noexcept;
    void lbMS_MouseMove();
    void Form_MouseMove() noexcept;
    void lbMS_Click(std::int32_t hWnd);
    // A click on the surface, lbVersion, lbCopyright or picScrollText.
    void Form_Click() noexcept { unloaded_ = true; }
    void Form_KeyPress(int keyAscii) noexcept;

private:
    forms::FormsRuntime& forms_;
    winsvc::clShellExecute& shell_;
    std::string webAddress_;
    std::string linkCaption_;
    std::string versionCaption_;
    std::int32_t scrollOffset_ = 0;
    bool linkUnderlined_ = false;
    int mousePointer_ = forms::vbDefault;
    bool unloaded_ = false;
};

} // namespace veltrano::about
