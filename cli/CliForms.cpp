#include "cli/CliForms.h"

namespace veltrano::cli {

namespace {

constexpr int kIconBits = 0x70;
constexpr int kCriticalIcon = 16;

} // namespace

CliForms::CliForms(std::ostream& messages, const forms::SettingsStore* settings)
    : stream_(messages), settings_(settings),
      headless_(std::make_unique<forms::HeadlessForms>(messages, settings)) {}

void CliForms::SetLoginAnswer(std::string user, std::string password) {
    login_ = Login{std::move(user), std::move(password)};
    headless_->SetLoginAnswer(login_->user, login_->password);
}

void CliForms::NextCommand() {
    const int pointer = headless_->MousePointer();
    headless_ = std::make_unique<forms::HeadlessForms>(stream_, settings_);
    headless_->SetMousePointer(pointer);
    if (login_) {
        headless_->SetLoginAnswer(login_->user, login_->password);
    }
}

void CliForms::AnswerInput(std::string prompt, std::string answer) {
    inputAnswers_[std::move(prompt)] = std::move(answer);
}

int CliForms::MsgBox(std::string_view text, int style, std::string_view title) {
    messages_.push_back({std::string(text), style});
    const int icon = style & kIconBits;
    if (icon == forms::vbExclamation || icon == kCriticalIcon) {
        failureReported_ = true;
    }
    return headless_->MsgBox(text, style, title);
}

std::string CliForms::InputBox(std::string_view prompt, std::string_view title,
                               std::string_view defaultText) {
    const auto answer = inputAnswers_.find(prompt);
    if (answer != inputAnswers_.end()) {
        return answer->second;
    }
    return headless_->InputBox(prompt, title, defaultText);
}

forms::FileDialogAnswer CliForms::ShowFileDialog(const forms::FileDialogRequest& request) {
    fileDialogAsked_ = true;
    return headless_->ShowFileDialog(request);
}

} // namespace veltrano::cli
