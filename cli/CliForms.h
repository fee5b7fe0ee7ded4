#pragma once

// The forms runtime of veltrano-cli: the headless runtime, plus what the program needs to know
// about a run. It answers the input boxes of a command with texts from the command line, keeps
// the messages shown, and tells whether the system asked for a file to open. Every command
// gets the one login attempt of the headless runtime afresh.

#include "platform/forms/HeadlessForms.h"

#include <cstddef>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace veltrano::cli {

struct ShownMessage {
    std::string text;
    int style = 0;
};

class CliForms final : public forms::FormsRuntime {
public:
    CliForms(std::ostream& messages, const forms::SettingsStore* settings);

    // The login the form is filled with; without it the remembered login stays in the form.
    void SetLoginAnswer(std::string user, std::string password);
    // A new command: one login attempt again.
    void NextCommand();
    // The answer to the input box with this prompt; other input boxes are cancelled.
    void AnswerInput(std::string prompt, std::string answer);

    const std::vector<ShownMessage>& Messages() const noexcept { return messages_; }
    // An error message was shown (exclamation or critical icon).
    bool FailureReported() const noexcept { return failureReported_; }
    bool FileDialogAsked() const noexcept { return fileDialogAsked_; }

    int MsgBox(std::string_view text, int style = forms::vbOKOnly,
               std::string_view title = {}) override;
    std::string InputBox(std::string_view prompt, std::string_view title = {},
                         std::string_view defaultText = {}) override;
    void DoEvents() override { headless_->DoEvents(); }
    void ClipboardClear() override { headless_->ClipboardClear(); }
    void ClipboardSetText(std::string_view text) override { headless_->ClipboardSetText(text); }
    std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) override {
        return headless_->GetSetting(app, section, key, defaultValue);
    }
    void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override {
        headless_->SaveSetting(app, section, key, value);
    }
    forms::AppVersion Version() const override { return headless_->Version(); }
    void SetMousePointer(int pointer) override { headless_->SetMousePointer(pointer); }
    int MousePointer() const override { return headless_->MousePointer(); }
    void SetFocus(std::string_view control) override { headless_->SetFocus(control); }
    void ShowLoginModal(forms::LoginFormState& state) override { headless_->ShowLoginModal(state); }
    void ShowAboutModal() override { headless_->ShowAboutModal(); }
    forms::FileDialogAnswer ShowFileDialog(const forms::FileDialogRequest& request) override;

private:
    struct Login {
        std::string user;
        std::string password;
    };

    std::ostream& stream_;
    const forms::SettingsStore* settings_;
    std::unique_ptr<forms::HeadlessForms> headless_;
    std::optional<Login> login_;
    std::map<std::string, std::string, std::less<>> inputAnswers_;
    std::vector<ShownMessage> messages_;
    bool failureReported_ = false;
    bool fileDialogAsked_ = false;
};

} // namespace veltrano::cli
