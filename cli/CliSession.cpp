#include "cli/CliSession.h"

#include "act/modACTHandle.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/DispatchIds.h"
#include "scan/SurveyDatabase.h"
#include "wiring/MainForm.h"

namespace veltrano::cli {

namespace {

constexpr std::string_view kSection = "options";

} // namespace

CliSession::CliSession(std::ostream& messages, const LoginOptions& login)
    : platform_(OpenCliPlatform()), forms_(messages, platform_.settings.get()), comdlg32_(forms_),
      form_(wiring::MainForm(
          {forms_, *platform_.objects, *platform_.user32, comdlg32_, *platform_.shell32})) {
    if (login.user) {
        forms_.SetLoginAnswer(*login.user, login.password.value_or(""));
    } else if (login.password) {
        // A password alone goes with the remembered user name.
        forms_.SetLoginAnswer(forms_.GetSetting(forms::kAppTitle, kSection, "username", ""),
                              *login.password);
    }
    form_.Load();
}

bool CliSession::RunningActDidNotAnswer() {
    try {
        if (act::modACTHandle::FindTopWindow(*platform_.user32, "act", "ACT!") == 0) {
            return false;
        }
    } catch (const std::exception&) {
        return false; // the folder of running programs cannot be trusted: none is used
    }
    try {
        const auto application = platform_.objects->CreateObject(ole::classid::kApplicationProgId);
        if (!application) {
            return true;
        }
        application->CallByName("GetOpenDBName");
        return false;
    } catch (const ole::AutomationError&) {
        return true;
    }
}

SurveyResult CliSession::Survey(const std::optional<std::string>& database) {
    switch (scan::SurveyDatabase(form_, database)) {
    case scan::SurveyOutcome::Read:
        return SurveyResult::Read;
    case scan::SurveyOutcome::ReadWithFailures:
        return SurveyResult::ReadWithFailures;
    case scan::SurveyOutcome::Cancelled:
        // The only dialog the command line cancels is the one that asks for a file.
        return forms_.FileDialogAsked() ? SurveyResult::NoDatabase : SurveyResult::NotRead;
    case scan::SurveyOutcome::NotOpened:
        break;
    }
    return SurveyResult::NotRead;
}

} // namespace veltrano::cli
