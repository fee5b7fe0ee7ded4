// veltrano-cli logins: options, variables and the remembered login, which is only read.

#include "CliFixture.h"
#include "platform/forms/IniSettingsStore.h"

namespace veltrano::testsupport {
namespace {

class CliLoginTest : public CliTest {
protected:
    CliResult Survey(const Args& options = {}) {
        return Run(Args{"survey", file.string()} + options);
    }
    static bool Opened(const CliResult& result) {
        return result.status == 0 && result.out.rfind("Team\n", 0) == 0 && result.err.empty();
    }
    std::string LoginFailed() const {
        return "Login failed.\nPlease enter your username and password for\nthe ACT! database " +
               file.string() + "\n";
    }

    fs::path file = WriteTeamDatabase();
    fs::path configIni = temp.Path() / "Veltrano" / "Veltrano.ini";
};

TEST_F(CliLoginTest, OptionsComeBeforeVariablesAndAWrongPasswordFailsAtOnce) {
    // Names ignoring ASCII case and exact passwords are the engine's (StandInOpenLoginTest).
    environment["VELTRANO_USER"] = "Chris";
    environment["VELTRANO_PASSWORD"] = "pw";
    EXPECT_TRUE(Opened(Survey()));
    environment["VELTRANO_PASSWORD"] = "wrong";
    EXPECT_TRUE(Opened(Survey({"--password", "pw"})));
    environment["VELTRANO_USER"] = "Pat";
    EXPECT_TRUE(Opened(Survey(kTeamLogin)));

    const auto wrong = Survey({"--user", "Chris", "--password", "PW"});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.out, "");
    EXPECT_EQ(wrong.err, LoginFailed());
    environment.erase("VELTRANO_USER");
    environment.erase("VELTRANO_PASSWORD");
    const auto noUser = Survey();
    EXPECT_EQ(noUser.status, 1);
    EXPECT_EQ(noUser.err,
              "Please enter your username for the ACT! database " + file.string() + "\n");
    EXPECT_FALSE(fs::exists(configIni));
}

TEST_F(CliLoginTest, RememberedLoginIsUsedAndNeverWritten) {
    // What the window would have remembered, in the file the window reads.
    forms::IniSettingsStore(configIni).Save("Veltrano", "options", "username", "Chris");
    forms::IniSettingsStore(configIni).Save("Veltrano", "options", "userpassword", "pw");
    const auto written = fs::last_write_time(configIni);

    EXPECT_TRUE(Opened(Survey()));
    EXPECT_TRUE(Opened(Survey({"--password", "pw"}))); // with the remembered user name
    // A refused login is not remembered, unlike in the window.
    EXPECT_EQ(Survey({"--user", "Pat", "--password", "x"}).err, LoginFailed());
    // Survey and Save log in with it, each once.
    const auto save = Run({"replace", file.string(), "--table", "Contact", "--search", "zzz",
                           "--replace", "y", "--save"});
    EXPECT_EQ(save.status, 0);
    EXPECT_EQ(save.err, "0 changes were saved.\n");

    EXPECT_EQ(fs::last_write_time(configIni), written);
}

} // namespace
} // namespace veltrano::testsupport
