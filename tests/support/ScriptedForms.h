#pragma once

// The forms runtime for tests: answers come from queues, every call is recorded.
// A call whose queue is empty gets the safe answer (OK, "", cancel) and is marked unanswered.

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

enum class FormsCall {
    MsgBox,
    InputBox,
    ClipboardClear,
    ClipboardSetText,
    GetSetting,
    SaveSetting,
    SetMousePointer,
    SetFocus,
    ShowLoginModal,
    ShowAboutModal,
    ShowFileDialog,
};

// One recorded call. Fields a kind has no use for stay empty.
struct RecordedCall {
    FormsCall kind{};
    std::string text;  // message text, input prompt, clipboard text, focused control
    int style = 0;     // MsgBox style, mouse pointer
    std::string title; // as passed: "" means the application's title
    std::string defaultText;
    std::string app;
    std::string section;
    std::string key;
    std::string value;           // saved value; the value GetSetting answered
    forms::LoginFormState login; // the login form as it was shown
    forms::FileDialogRequest fileDialog;
    bool unanswered = false; // its answer queue was empty
};

struct MessageCall {
    std::string text;
    int style = 0;
    std::string title;
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
    // Settings in memory.
    ScriptedForms();
    // Settings in the given store, which must outlive this object.
    explicit ScriptedForms(forms::SettingsStore& settings);

    void QueueMsgBoxResult(int result) { msgBoxResults_.push_back(result); }
    void QueueInput(std::string answer) { inputs_.push_back(std::move(answer)); }
    void QueueLogin(LoginAnswer answer) { logins_.emplace_back(std::move(answer)); }
    void QueueLogin(LoginScript script) { logins_.emplace_back(std::move(script)); }
    void QueueFileDialog(forms::FileDialogAnswer answer) {
        fileDialogs_.push_back(std::move(answer));
    }
    void SetVersion(forms::AppVersion version) { version_ = version; }

    // The settings behind GetSetting/SaveSetting (the in-memory map unless a store was given).
    forms::SettingsStore& Settings() noexcept { return *settings_; }

    const std::vector<RecordedCall>& Calls() const noexcept { return calls_; }
    std::vector<FormsCall> CallKinds() const;
    std::vector<RecordedCall> CallsOf(FormsCall kind) const;
    std::vector<MessageCall> Messages() const;
    std::vector<InputCall> Inputs() const;
    std::vector<SavedSetting> SavedSettings() const;
    // The login form's texts each time it was shown, before the scripted answer.
    std::vector<forms::LoginFormState> LoginsShown() const;
    std::vector<forms::FileDialogRequest> FileDialogsShown() const;
    std::vector<int> MousePointers() const;
    std::size_t UnansweredCount() const;
    std::size_t AboutShownCount() const { return CallsOf(FormsCall::ShowAboutModal).size(); }
    std::size_t DoEventsCount() const noexcept { return doEvents_; }
    const std::string& ClipboardText() const noexcept { return clipboard_; }
    // Answers still queued; a finished test usually expects none.
    std::size_t PendingAnswers() const noexcept;

    int MsgBox(std::string_view text, int style = forms::vbOKOnly,
               std::string_view title = {}) override;
    std::string InputBox(std::string_view prompt, std::string_view title = {},
                         std::string_view defaultText = {}) override;
    void DoEvents() override { ++doEvents_; }

    void ClipboardClear() override;
    void ClipboardSetText(std::string_view text) override;

    std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) override;
    void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override;

    forms::AppVersion Version() const override { return version_; }
    void SetMousePointer(int pointer) override;
    int MousePointer() const override { return mousePointer_; }
    void SetFocus(std::string_view control) override;

    void ShowLoginModal(forms::LoginFormState& state) override;
    void ShowAboutModal() override;
    forms::FileDialogAnswer ShowFileDialog(const forms::FileDialogRequest& request) override;

private:
    RecordedCall& Record(FormsCall kind);

    forms::MemorySettingsStore memory_;
    forms::SettingsStore* settings_;
    std::deque<int> msgBoxResults_;
    std::deque<std::string> inputs_;
    std::deque<std::variant<LoginAnswer, LoginScript>> logins_;
    std::deque<forms::FileDialogAnswer> fileDialogs_;
    std::vector<RecordedCall> calls_;
    std::size_t doEvents_ = 0;
    std::string clipboard_;
    int mousePointer_ = forms::vbDefault;
    forms::AppVersion version_ = forms::BuildVersion();
};

} // namespace veltrano::testsupport
