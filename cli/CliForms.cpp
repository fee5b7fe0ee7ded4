#include "cli/CliForms.h"

namespace veltrano::cli {

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

forms::FileDialogAnswer CliForms::ShowFileDialog(const forms::FileDialogRequest& request) {
    fileDialogAsked_ = true;
    return headless_->ShowFileDialog(request);
}

} // namespace veltrano::cli
