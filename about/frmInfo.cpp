#include "about/frmInfo.h"

namespace veltrano::about {

std::string VersionCaption(const forms::AppVersion& version) {
    return "Version " + std::to_string(version.Major) + "." + std::to_string(version.Minor) +
           ".0." + std::to_string(version.Revision);
}

std::string LinkCaptionOf(std::string_view address) {
    if (const auto scheme = address.find("://"); scheme != std::string_view::npos) {
        address.remove_prefix(scheme + 3);
    }
    if (address.ends_with('/')) {
        address.remove_suffix(1);
    }
    return std::string(address);
}

const std::vector<ScrollLine>& ScrollTextLines() {
    static const std::vector<ScrollLine> lines = {
        {"Was Veltrano zeigt", true},
        {"Tabellen und Felder"},
        {"samt Eigenschaften,"},
        {"Popup-Listen, Benutzer"},
        {""},
        {"Was Veltrano ändert", true},
        {"Eingabe- und"},
        {"Ausgabetrigger:"},
        {"suchen, ersetzen,"},
        {"im Stapel speichern"},
        {""},
        {"Dazu", true},
        {"Listen sortieren"},
        {"und kopieren,"},
        {"vor und zurück"},
        {""},
        {"Gebaut mit", true},
        {"C++20 und Qt 6"},
        {""},
        {"Danke, dass Sie", true},
        {"Veltrano benutzen!", true},
        {""},
        {""},
    };
    return lines;
}

frmInfo::frmInfo(forms::FormsRuntime& forms, winsvc::clShellExecute& shell, std::string webAddress)
    : forms_(forms), shell_(shell), webAddress_(std::move(webAddress)),
      linkCaption_(LinkCaptionOf(webAddress_)) {}

void frmInfo::Load() {
    versionCaption_ = VersionCaption(forms_.Version());
    scrollOffset_ = 0;
    unloaded_ = false;
}

void frmInfo::Timer1_Timer() noexcept {
    ++scrollOffset_;
    if (scrollOffset_ > kLastScrollOffset) {
        scrollOffset_ = 0;
    }
}

void frmInfo::lbMS_MouseMove() {
    linkUnderlined_ = true;
    mousePointer_ = forms::vbUpArrow;
    forms_.DoEvents();
}

void frmInfo::Form_MouseMove() noexcept {
    linkUnderlined_ = false;
    mousePointer_ = forms::vbDefault;
}

void frmInfo::lbMS_Click(std::int32_t hWnd) {
    // The result is not looked at: a failed launch still closes the box, and run-time errors
    // are reported by the launcher itself.
    shell_.LaunchURL(hWnd, webAddress_, win32::SW_SHOWDEFAULT);
    unloaded_ = true;
}

void frmInfo::Form_KeyPress(int keyAscii) noexcept {
    if (keyAscii == kEscape) {
        unloaded_ = true;
    }
}

} // namespace veltrano::about
