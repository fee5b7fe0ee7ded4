#pragma once

// The forms runtime of veltrano-cli: the headless runtime, plus the login from the command line
// and whether the system asked for a file to open. Every command gets the one login attempt of
// the headless runtime afresh.

#include "platform/forms/HeadlessForms.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace veltrano::cli {

class CliForms final : public forms::FormsRuntime {
public:
    CliForms(std::ostream& messages, const forms::SettingsStore* settings);

    // The login the form is filled with; without it the remembered login stays in the form.
    void SetLoginAnswer(std::string user, std::string password);
    // A new command: one login attempt again.
    void NextCommand();

    bool FileDialogAsked() const noexcept { return fileDialogAsked_; }

    int MsgBox(std::string_view text, int style = forms::vbOKOnly,
               std::string_view title = {}) override {
        return headless_->MsgBox(text, style, title);
    }
    std::string InputBox(std::string_view prompt, std::string_view title = {},
                         std::string_view defaultText = {}) override {
        return headless_->InputBox(prompt, title, defaultText);
    }
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
    bool fileDialogAsked_ = false;
};

} // namespace veltrano::cli
