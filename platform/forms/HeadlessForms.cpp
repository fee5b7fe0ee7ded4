#include "platform/forms/HeadlessForms.h"

#include <ostream>
#include <utility>

namespace veltrano::forms {

namespace {

// Message lines are joined by CR LF for the window; a terminal wants plain line feeds.
std::string ToTerminalLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

} // namespace

HeadlessForms::HeadlessForms(std::ostream& messages, const SettingsStore* settings)
    : messages_(messages), settings_(settings) {}

void HeadlessForms::SetLoginAnswer(std::string user, std::string password) {
    login_ = Credentials{std::move(user), std::move(password)};
}

int HeadlessForms::MsgBox(std::string_view text, int style, std::string_view) {
    messages_ << ToTerminalLines(text) << '\n' << std::flush;
    // Nobody can answer: a question is answered No, which changes nothing.
    return (style & 7) == vbYesNo ? vbNo : vbOK;
}

std::string HeadlessForms::InputBox(std::string_view, std::string_view, std::string_view) {
    return {};
}

std::string HeadlessForms::GetSetting(std::string_view app, std::string_view section,
                                      std::string_view key, std::string_view defaultValue) {
    if (settings_ == nullptr)
        return std::string(defaultValue);
    return settings_->Get(app, section, key, defaultValue);
}

void HeadlessForms::SaveSetting(std::string_view, std::string_view, std::string_view,
                                std::string_view) {}

void HeadlessForms::ShowLoginModal(LoginFormState& state) {
    ++loginCount_;
    if (login_) {
        state.Username = login_->user;
        state.Userpassword = login_->password;
    }
    state.Tag = loginCount_ == 1 ? "ok" : "";
}

} // namespace veltrano::forms
