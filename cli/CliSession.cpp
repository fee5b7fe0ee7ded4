#include "cli/CliSession.h"

#include "platform/win32/NoWindows.h"
#include "platform/win32/linux/RegisteredWindows.h"
#include "platform/win32/linux/RegistrationFolder.h"
#include "scan/SurveyDatabase.h"
#include "wiring/MainForm.h"

#include <system_error>

namespace veltrano::cli {

namespace {

constexpr std::string_view kSection = "options";

// The settings file of the window; none when there is no home folder to find it in.
std::unique_ptr<forms::IniSettingsStore> RememberedSettings() {
    try {
        return std::make_unique<forms::IniSettingsStore>(
            forms::IniSettingsStore::DefaultPath(forms::kAppTitle));
    } catch (const std::system_error&) {
        return nullptr;
    }
}

// Only looks: the folder is not created, as the command line never starts an ACT!.
std::unique_ptr<win32::User32> RunningWindows(std::string& problem) {
    const auto folder = win32::RegistrationFolderPath();
    try {
        win32::RegistrationFolderExists(folder);
        return std::make_unique<win32::RegisteredWindows>(folder);
    } catch (const win32::RegistrationError& error) {
        problem = error.what();
        return std::make_unique<win32::NoWindows>();
    }
}

} // namespace

CliSession::CliSession(std::ostream& messages, const LoginOptions& login)
    : settings_(RememberedSettings()), forms_(messages, settings_.get()),
      user32_(RunningWindows(windowsProblem_)), comdlg32_(forms_),
      form_(wiring::MainForm({forms_, objects_, *user32_, comdlg32_, shell32_})) {
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
