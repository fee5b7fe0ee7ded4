#include "support/ScriptedForms.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace veltrano::testsupport {

using namespace forms;

namespace {

template <typename T> T TakeFront(std::deque<T>& queue) {
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

ScriptedForms::ScriptedForms() : settings_(&memory_) {}

ScriptedForms::ScriptedForms(SettingsStore& settings) : settings_(&settings) {}

RecordedCall& ScriptedForms::Record(FormsCall kind) {
    RecordedCall& call = calls_.emplace_back();
    call.kind = kind;
    return call;
}

int ScriptedForms::MsgBox(std::string_view text, int style, std::string_view title) {
    RecordedCall& call = Record(FormsCall::MsgBox);
    call.text = text;
    call.style = style;
    call.title = title;
    if (msgBoxResults_.empty()) {
        call.unanswered = true;
        return vbOK;
    }
    return TakeFront(msgBoxResults_);
}

std::string ScriptedForms::InputBox(std::string_view prompt, std::string_view title,
                                    std::string_view defaultText) {
    RecordedCall& call = Record(FormsCall::InputBox);
    call.text = prompt;
    call.title = title;
    call.defaultText = defaultText;
    if (inputs_.empty()) {
        call.unanswered = true;
        return {};
    }
    return TakeFront(inputs_);
}

void ScriptedForms::ClipboardClear() {
    Record(FormsCall::ClipboardClear);
    clipboard_.clear();
}

void ScriptedForms::ClipboardSetText(std::string_view text) {
    Record(FormsCall::ClipboardSetText).text = text;
    clipboard_ = text;
}

std::string ScriptedForms::GetSetting(std::string_view app, std::string_view section,
                                      std::string_view key, std::string_view defaultValue) {
    std::string value = settings_->Get(app, section, key, defaultValue);
    RecordedCall& call = Record(FormsCall::GetSetting);
    call.app = app;
    call.section = section;
    call.key = key;
    call.defaultText = defaultValue;
    call.value = value;
    return value;
}

void ScriptedForms::SaveSetting(std::string_view app, std::string_view section,
                                std::string_view key, std::string_view value) {
    RecordedCall& call = Record(FormsCall::SaveSetting);
    call.app = app;
    call.section = section;
    call.key = key;
    call.value = value;
    settings_->Save(app, section, key, value);
}

void ScriptedForms::SetMousePointer(int pointer) {
    Record(FormsCall::SetMousePointer).style = pointer;
    mousePointer_ = pointer;
}

void ScriptedForms::SetFocus(std::string_view control) {
    Record(FormsCall::SetFocus).text = control;
}

void ScriptedForms::ShowLoginModal(LoginFormState& state) {
    // Copied before the script runs: the record shows what the user saw.
    Record(FormsCall::ShowLoginModal).login = state;
    if (logins_.empty()) {
        calls_.back().unanswered = true;
        state.Tag.clear();
        return;
    }
    auto answer = TakeFront(logins_);
    if (auto* script = std::get_if<LoginScript>(&answer)) {
        (*script)(state);
        return;
    }
    const auto& typed = std::get<LoginAnswer>(answer);
    if (typed.user)
        state.Username = *typed.user;
    if (typed.password)
        state.Userpassword = *typed.password;
    state.Tag = typed.tag;
}

void ScriptedForms::ShowAboutModal() {
    Record(FormsCall::ShowAboutModal);
}

FileDialogAnswer ScriptedForms::ShowFileDialog(const FileDialogRequest& request) {
    RecordedCall& call = Record(FormsCall::ShowFileDialog);
    call.fileDialog = request;
    call.text = request.title;
    if (fileDialogs_.empty()) {
        call.unanswered = true;
        return std::nullopt;
    }
    return TakeFront(fileDialogs_);
}

std::vector<FormsCall> ScriptedForms::CallKinds() const {
    std::vector<FormsCall> kinds;
    kinds.reserve(calls_.size());
    for (const auto& call : calls_)
        kinds.push_back(call.kind);
    return kinds;
}

std::vector<RecordedCall> ScriptedForms::CallsOf(FormsCall kind) const {
    std::vector<RecordedCall> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [kind](const RecordedCall& call) { return call.kind == kind; });
    return found;
}

std::vector<MessageCall> ScriptedForms::Messages() const {
    std::vector<MessageCall> messages;
    for (const auto& call : CallsOf(FormsCall::MsgBox))
        messages.push_back({call.text, call.style, call.title});
    return messages;
}

std::vector<InputCall> ScriptedForms::Inputs() const {
    std::vector<InputCall> inputs;
    for (const auto& call : CallsOf(FormsCall::InputBox))
        inputs.push_back({call.text, call.title, call.defaultText});
    return inputs;
}

std::vector<SavedSetting> ScriptedForms::SavedSettings() const {
    std::vector<SavedSetting> saved;
    for (const auto& call : CallsOf(FormsCall::SaveSetting))
        saved.push_back({call.app, call.section, call.key, call.value});
    return saved;
}

std::vector<LoginFormState> ScriptedForms::LoginsShown() const {
    std::vector<LoginFormState> shown;
    for (const auto& call : CallsOf(FormsCall::ShowLoginModal))
        shown.push_back(call.login);
    return shown;
}

std::vector<FileDialogRequest> ScriptedForms::FileDialogsShown() const {
    std::vector<FileDialogRequest> shown;
    for (const auto& call : CallsOf(FormsCall::ShowFileDialog))
        shown.push_back(call.fileDialog);
    return shown;
}

std::vector<int> ScriptedForms::MousePointers() const {
    std::vector<int> pointers;
    for (const auto& call : CallsOf(FormsCall::SetMousePointer))
        pointers.push_back(call.style);
    return pointers;
}

std::size_t ScriptedForms::UnansweredCount() const {
    return static_cast<std::size_t>(std::count_if(
        calls_.begin(), calls_.end(), [](const RecordedCall& call) { return call.unanswered; }));
}

std::size_t ScriptedForms::PendingAnswers() const noexcept {
    return msgBoxResults_.size() + inputs_.size() + logins_.size() + fileDialogs_.size();
}

} // namespace veltrano::testsupport
