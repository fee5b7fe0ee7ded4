#pragma once

// The forms runtime for tests: answers come from queues, what was shown is recorded.
// A call whose queue is empty gets the safe answer (OK, "", cancel).

#include "platform/forms/FormsRuntime.h"
#include "platform/forms/MemorySettingsStore.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace veltrano::testsupport {

struct MessageCall {
    std::string text;
    int style = 0;
    std::string title; // as passed: "" means the application's title
    bool operator==(const MessageCall&) const = default;
};

struct InputCall {
    std::string prompt;
    std::string title;
    std::string defaultText;
    bool operator==(const InputCall&) const = default;
};

struct SavedSetting {
    std::string app;
    std::string section;
    std::string key;
    std::string value;
    bool operator==(const SavedSetting&) const = default;
};

// What the user does in the login form: nullopt texts keep what the form showed.
struct LoginAnswer {
    std::optional<std::string> user;
    std::optional<std::string> password;
    std::string tag = "ok";
};
using LoginScript = std::function<void(forms::LoginFormState&)>;

class ScriptedForms final : public forms::FormsRuntime {
public:
    void QueueMsgBoxResult(int result) { msgBoxResults_.push_back(result); }
    void QueueInput(std::string answer) { inputAnswers_.push_back(std::move(answer)); }
    void QueueLogin(LoginAnswer answer) { logins_.emplace_back(std::move(answer)); }
    void QueueLogin(LoginScript script) { logins_.emplace_back(std::move(script)); }
    void QueueFileDialog(forms::FileDialogAnswer answer) {
        fileDialogs_.push_back(std::move(answer));
    }
    void SetVersion(forms::AppVersion version) { version_ = version; }

    // The settings behind GetSetting/SaveSetting, in memory.
    forms::SettingsStore& Settings() noexcept { return settings_; }

    const std::vector<MessageCall>& Messages() const noexcept { return messages_; }
    const std::vector<InputCall>& Inputs() const noexcept { return inputs_; }
    const std::vector<SavedSetting>& SavedSettings() const noexcept { return saved_; }
    // The login form's texts each time it was shown, before the scripted answer.
    const std::vector<forms::LoginFormState>& LoginsShown() const noexcept { return loginsShown_; }
    const std::vector<forms::FileDialogRequest>& FileDialogsShown() const noexcept {
        return fileDialogsShown_;
    }
    const std::vector<int>& MousePointers() const noexcept { return pointers_; }
    const std::string& Focus() const noexcept { return focus_; }
    const std::string& ClipboardText() const noexcept { return clipboard_; }
    // Answers still queued; a finished test usually expects none.
    std::size_t PendingAnswers() const noexcept {
        return msgBoxResults_.size() + inputAnswers_.size() + logins_.size() + fileDialogs_.size();
    }

    int MsgBox(std::string_view text, int style = forms::vbOKOnly,
               std::string_view title = {}) override;
    std::string InputBox(std::string_view prompt, std::string_view title = {},
                         std::string_view defaultText = {}) override;
    void DoEvents() override {}

    void ClipboardClear() override { clipboard_.clear(); }
    void ClipboardSetText(std::string_view text) override { clipboard_ = text; }

    std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) override {
        return settings_.Get(app, section, key, defaultValue);
    }
    void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override;

    forms::AppVersion Version() const override { return version_; }
    void SetMousePointer(int pointer) override { pointers_.push_back(pointer); }
    int MousePointer() const override {
        return pointers_.empty() ? forms::vbDefault : pointers_.back();
    }
    void SetFocus(std::string_view control) override { focus_ = control; }

    void ShowLoginModal(forms::LoginFormState& state) override;
    void ShowAboutModal() override {}
    forms::FileDialogAnswer ShowFileDialog(const forms::FileDialogRequest& request) override;

private:
    forms::MemorySettingsStore settings_;
    std::deque<int> msgBoxResults_;
    std::deque<std::string> inputAnswers_;
    std::deque<std::variant<LoginAnswer, LoginScript>> logins_;
    std::deque<forms::FileDialogAnswer> fileDialogs_;
    std::vector<MessageCall> messages_;
    std::vector<InputCall> inputs_;
    std::vector<SavedSetting> saved_;
    std::vector<forms::LoginFormState> loginsShown_;
    std::vector<forms::FileDialogRequest> fileDialogsShown_;
    std::vector<int> pointers_;
    std::string focus_;
    std::string clipboard_;
    forms::AppVersion version_ = forms::BuildVersion();
};

} // namespace veltrano::testsupport
