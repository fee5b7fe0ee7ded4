#pragma once

// What the system asks of its forms runtime: message and input boxes, event runs, the
// clipboard, the settings store, the version, the mouse pointer and the modal forms.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::forms {

inline constexpr std::string_view kAppTitle = "Veltrano";

// MsgBox styles and results.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNo = 4;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// Mouse pointers.
inline constexpr int vbDefault = 0;
inline constexpr int vbUpArrow = 10;
inline constexpr int vbHourglass = 11;

struct AppVersion {
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
};

// The login form's values: its two text boxes and its Tag ("ok" when confirmed).
struct LoginFormState {
    std::string Username;
    std::string Userpassword;
    std::string Tag;
};

// What the open/save dialog is asked to show.
struct FileDialogRequest {
    bool open = true;
    std::string title;
    std::string initialDir;
    std::string initialName;
    std::string defaultExt;
    // Description/pattern pairs, e.g. {"ACT! database (*.dbf)", "*.dbf"}.
    std::vector<std::pair<std::string, std::string>> filters;
    int filterIndex = 0;
    bool fileMustExist = false;
    bool multiSelect = false;
};

// The user's answer: the chosen paths (several only with multiSelect), or nullopt on cancel.
using FileDialogAnswer = std::optional<std::vector<std::string>>;

class FormsRuntime {
public:
    virtual ~FormsRuntime() = default;

    // Lines within text are joined by CR LF. An empty title shows the application's title.
    virtual int MsgBox(std::string_view text, int style = vbOKOnly,
                       std::string_view title = {}) = 0;
    // Returns "" when the user cancels.
    virtual std::string InputBox(std::string_view prompt, std::string_view title = {},
                                 std::string_view defaultText = {}) = 0;
    virtual void DoEvents() = 0;

    virtual void ClipboardClear() = 0;
    virtual void ClipboardSetText(std::string_view text) = 0;

    virtual std::string GetSetting(std::string_view app, std::string_view section,
                                   std::string_view key, std::string_view defaultValue = {}) = 0;
    virtual void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                             std::string_view value) = 0;

    virtual AppVersion Version() const = 0;
    virtual void SetMousePointer(int pointer) = 0;
    virtual int MousePointer() const = 0;
    // Gives the keyboard focus to a control of the main window ("lvACT", "tvACT").
    virtual void SetFocus(std::string_view control) = 0;

    // Shows frmLogin modally with the state's texts; writes the texts and Tag back.
    virtual void ShowLoginModal(LoginFormState& state) = 0;
    virtual void ShowAboutModal() = 0;
    virtual FileDialogAnswer ShowFileDialog(const FileDialogRequest& request) = 0;
};

// The version numbers the build was made with.
AppVersion BuildVersion() noexcept;

} // namespace veltrano::forms
