#include "support/ScriptedForms.h"

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

int ScriptedForms::MsgBox(std::string_view text, int style, std::string_view title) {
    messages_.push_back({std::string(text), style, std::string(title)});
    return msgBoxResults_.empty() ? vbOK : TakeFront(msgBoxResults_);
}

std::string ScriptedForms::InputBox(std::string_view prompt, std::string_view title,
                                    std::string_view defaultText) {
    inputs_.push_back({std::string(prompt), std::string(title), std::string(defaultText)});
    return inputAnswers_.empty() ? std::string() : TakeFront(inputAnswers_);
}

void ScriptedForms::SaveSetting(std::string_view app, std::string_view section,
                                std::string_view key, std::string_view value) {
    saved_.push_back(
        {std::string(app), std::string(section), std::string(key), std::string(value)});
    settings_.Save(app, section, key, value);
}

void ScriptedForms::ShowLoginModal(LoginFormState& state) {
    // Copied before the script runs: the record shows what the user saw.
    loginsShown_.push_back(state);
    if (logins_.empty()) {
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

FileDialogAnswer ScriptedForms::ShowFileDialog(const FileDialogRequest& request) {
    fileDialogsShown_.push_back(request);
    return fileDialogs_.empty() ? std::nullopt : TakeFront(fileDialogs_);
}

} // namespace veltrano::testsupport
