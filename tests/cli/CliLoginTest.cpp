// veltrano-cli logins: options, variables and the remembered login, which is only read.

#include "CliFixture.h"
#include "platform/forms/IniSettingsStore.h"

namespace veltrano::testsupport {
namespace {

namespace fs = std::filesystem;

class CliLoginTest : public CliTest {
protected:
    CliResult Survey(const std::vector<std::string>& options = {}) {
        return Run(std::vector<std::string>{"survey", file.string()} + options);
    }
    static bool Opened(const CliResult& result) {
        return result.status == 0 && result.out.rfind("Team\n", 0) == 0 && result.err.empty();
    }
    // What the window would have remembered, in the file the window reads.
    fs::path Remember(const fs::path& settings, const std::string& user,
                      const std::string& password) {
        forms::IniSettingsStore store(settings);
        store.Save("Veltrano", "options", "username", user);
        store.Save("Veltrano", "options", "userpassword", password);
        return settings;
    }
    std::string LoginFailed() const {
        return "Login failed.\nPlease enter your username and password for\nthe ACT! database " +
               file.string() + "\n";
    }

    fs::path file = WriteTeamDatabase();
    fs::path configIni = temp.Path() / "config" / "Veltrano" / "Veltrano.ini";
};

TEST_F(CliLoginTest, OptionsComeBeforeVariables) {
    EXPECT_TRUE(Opened(Survey(kTeamLogin)));
    EXPECT_TRUE(Opened(Survey({"--user=chris", "--password=pw"}))); // names ignore ASCII case

    cli.Set("VELTRANO_USER", "Chris");
    cli.Set("VELTRANO_PASSWORD", "pw");
    EXPECT_TRUE(Opened(Survey()));
    cli.Set("VELTRANO_PASSWORD", "wrong");
    EXPECT_TRUE(Opened(Survey({"--password", "pw"})));
    cli.Set("VELTRANO_USER", "Pat");
    EXPECT_TRUE(Opened(Survey({"--user", "Chris", "--password", "pw"})));
    EXPECT_FALSE(fs::exists(configIni));
}

TEST_F(CliLoginTest, WrongPasswordFailsAfterOneAttempt) {
    const auto result = Survey({"--user", "Chris", "--password", "PW"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, LoginFailed());

    const auto noUser = Survey();
    EXPECT_EQ(noUser.status, 1);
    EXPECT_EQ(noUser.err,
              "Please enter your username for the ACT! database " + file.string() + "\n");
}

TEST_F(CliLoginTest, RememberedLoginIsUsedAndNeverWritten) {
    Remember(configIni, "Chris", "pw");
    const std::string before = ReadFileBytes(configIni);
    const auto written = fs::last_write_time(configIni);

    EXPECT_TRUE(Opened(Survey()));
    // A password alone goes with the remembered user name.
    EXPECT_TRUE(Opened(Survey({"--password", "pw"})));
    // A refused login is not remembered, unlike in the window.
    EXPECT_EQ(Survey({"--user", "Pat", "--password", "x"}).err, LoginFailed());
    // Survey and Save log in with it, each once.
    const auto save = Run({"replace", file.string(), "--table", "Contact", "--search", "zzz",
                           "--replace", "y", "--save"});
    EXPECT_EQ(save.status, 0);
    EXPECT_EQ(save.err, "0 changes were saved.\n");

    EXPECT_EQ(ReadFileBytes(configIni), before);
    EXPECT_EQ(fs::last_write_time(configIni), written);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(configIni.parent_path()), fs::directory_iterator()),
        1);
}

TEST_F(CliLoginTest, RememberedLoginIsFoundUnderHomeWithoutXdgConfigHome) {
    cli.Unset("XDG_CONFIG_HOME");
    Remember(temp.Path() / "home" / ".config" / "Veltrano" / "Veltrano.ini", "Chris", "pw");
    EXPECT_TRUE(Opened(Survey()));

    Remember(temp.Path() / "home" / ".config" / "Veltrano" / "Veltrano.ini", "Chris", "old");
    EXPECT_EQ(Survey().err, LoginFailed());
}

} // namespace
} // namespace veltrano::testsupport
