#pragma once

// The forms runtime of the command-line program: messages go to a stream, nothing prompts,
// and the settings store is only read.

#include "platform/forms/FormsRuntime.h"
#include "platform/forms/SettingsStore.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace veltrano::forms {

class HeadlessForms final : public FormsRuntime {
public:
    // settings may be null: every GetSetting then answers its default.
    explicit HeadlessForms(std::ostream& messages, const SettingsStore* settings = nullptr);

    // The user name and password given on the command line; without them the login form
    // keeps the remembered values it was prepared with.
    void SetLoginAnswer(std::string user, std::string password);

    const std::string& ClipboardText() const noexcept { return clipboard_; }
    int LoginCount() const noexcept { return loginCount_; }

    int MsgBox(std::string_view text, int style = vbOKOnly, std::string_view title = {}) override;
    std::string InputBox(std::string_view prompt, std::string_view title = {},
                         std::string_view defaultText = {}) override;
    void DoEvents() override {}

    void ClipboardClear() override { clipboard_.clear(); }
    void ClipboardSetText(std::string_view text) override { clipboard_ = text; }

    std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) override;
    // Deliberately does nothing: the command-line program never changes the user's settings.
    void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override;

    AppVersion Version() const override { return BuildVersion(); }
    void SetMousePointer(int pointer) override { mousePointer_ = pointer; }
    int MousePointer() const override { return mousePointer_; }
    void SetFocus(std::string_view) override {}

    // Confirms the first time only, so that a refused login ends the run instead of looping.
    void ShowLoginModal(LoginFormState& state) override;
    void ShowAboutModal() override {}
    FileDialogAnswer ShowFileDialog(const FileDialogRequest&) override { return std::nullopt; }

private:
    struct Credentials {
        std::string user;
        std::string password;
    };

    std::ostream& messages_;
    const SettingsStore* settings_;
    std::optional<Credentials> login_;
    std::string clipboard_;
    int mousePointer_ = vbDefault;
    int loginCount_ = 0;
};

} // namespace veltrano::forms
