#include "act/LoginSequence.h"

#include "app/ErrorReport.h"

namespace veltrano::act {

namespace {

constexpr std::string_view kApp = "Veltrano";
constexpr std::string_view kSection = "options";

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

LoginResult RunLoginSequence(Database& db, const std::string& databaseName,
                             controls::StatusBar::Panel& status, forms::FormsRuntime& forms) {
    forms::LoginFormState form;
    form.Username = forms.GetSetting(kApp, kSection, "username", "");
    form.Userpassword = forms.GetSetting(kApp, kSection, "userpassword", "");

    for (;;) {
        status.SetText("ACT! login");
        forms.DoEvents();

        // Closing the dialog by its frame leaves no "ok" behind from an earlier round.
        form.Tag.clear();
        forms.ShowLoginModal(form);
        if (form.Tag != "ok") {
            return LoginResult::Cancelled;
        }
        if (IsBlank(form.Username)) {
            forms.MsgBox("Please enter your username for the ACT! database " + databaseName,
                         forms::vbInformation);
            continue;
        }
        forms.SaveSetting(kApp, kSection, "username", form.Username);
        forms.SaveSetting(kApp, kSection, "userpassword", form.Userpassword);

        status.SetText("Validating ACT! user " + form.Username + "...");
        forms.DoEvents();
        db.Login(form.Username, form.Userpassword);
        if (db.LoginFailed()) {
            const std::string last = "the ACT! database " + databaseName;
            forms.MsgBox(app::JoinLines({"Login failed.",
                                         "Please enter your username and password for", last}),
                         forms::vbInformation);
        }
        if (db.IsOpen()) {
            return LoginResult::Open;
        }
    }
}

} // namespace veltrano::act
