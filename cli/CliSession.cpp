#include "cli/CliSession.h"

#include "act/SurveyDatabase.h"
#include "app/StandardCommands.h"

namespace veltrano::cli {

namespace {

constexpr std::string_view kSection = "options";

} // namespace

CliSession::CliSession(std::ostream& messages, const LoginOptions& login)
    : platform_(OpenCliPlatform()), forms_(messages, platform_.settings.get()), comdlg32_(forms_),
      form_({forms_, *platform_.objects, *platform_.user32, comdlg32_, *platform_.shell32},
            app::StandardCommands()) {
    if (login.user) {
        forms_.SetLoginAnswer(*login.user, login.password.value_or(""));
    } else if (login.password) {
        // A password alone goes with the remembered user name.
        forms_.SetLoginAnswer(forms_.GetSetting(forms::kAppTitle, kSection, "username", ""),
                              *login.password);
    }
    form_.Load();
}

SurveyResult CliSession::Survey(const std::optional<std::string>& database) {
    switch (act::SurveyDatabase(form_, database)) {
    case act::SurveyOutcome::Read:
        return SurveyResult::Read;
    case act::SurveyOutcome::ReadWithFailures:
        return SurveyResult::ReadWithFailures;
    case act::SurveyOutcome::Cancelled:
        // The only dialog the command line cancels is the one that asks for a file.
        return forms_.FileDialogAsked() ? SurveyResult::NoDatabase : SurveyResult::NotRead;
    case act::SurveyOutcome::NotOpened:
        break;
    }
    return SurveyResult::NotRead;
}

} // namespace veltrano::cli
