#include "platform/forms/IniSettingsStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <utility>
#include <vector>

namespace veltrano::forms {
namespace {

namespace fs = std::filesystem;

class IniSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "veltrano-forms-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        file_ = root_ / "config" / "Veltrano" / "Veltrano.ini";
    }
    void TearDown() override { fs::remove_all(root_); }

    void WriteRaw(const std::string& text) {
        fs::create_directories(file_.parent_path());
        std::ofstream(file_, std::ios::binary) << text;
    }
    std::string ReadRaw() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> FolderEntries(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }
    static unsigned Mode(const fs::path& path) {
        struct stat info {};
        EXPECT_EQ(::stat(path.c_str(), &info), 0);
        return info.st_mode & 0777;
    }
    std::string Get(std::string_view key, std::string_view section = "options") const {
        return IniSettingsStore(file_).Get("Veltrano", section, key, "<default>");
    }

    fs::path root_;
    fs::path file_;
};

TEST_F(IniSettingsStoreTest, AwkwardValuesReadBackIdentical) {
    const std::vector<std::string> values = {" lead",
                                             "trail ",
                                             "  both  ",
                                             "\ttab\t",
                                             "\"quoted\"",
                                             "'single'",
                                             "\"",
                                             "a;b",
                                             ";start",
                                             "#hash",
                                             "x=y=z",
                                             "=",
                                             "back\\slash\\",
                                             "\\",
                                             "line1\nline2",
                                             "crlf\r\n",
                                             "\r",
                                             "",
                                             "Grüße, 東京 €",
                                             "\x01\x1f\x7f",
                                             "[section]",
                                             "plain text"};
    {
        IniSettingsStore store(file_);
        for (std::size_t i = 0; i < values.size(); ++i)
            store.Save("Veltrano", "options", "k" + std::to_string(i), values[i]);
    }
    IniSettingsStore reread(file_);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(reread.Get("Veltrano", "options", "k" + std::to_string(i), "<default>"),
                  values[i])
            << "value " << i;
    EXPECT_EQ(reread.Get("Veltrano", "options", "missing", "dflt"), "dflt");
}

TEST_F(IniSettingsStoreTest, WritesPlainIniAndQuotesOnlyWhereNeeded) {
    IniSettingsStore store(file_);
    store.Save("Veltrano", "options", "username", "Chris Huber");
    store.Save("Veltrano", "options", "userpassword", " a\"b\\c\n ");
    store.Save("Veltrano", "options", "username", "Anna");
    EXPECT_EQ(ReadRaw(), "[options]\nusername=Anna\nuserpassword=\" a\\\"b\\\\c\\n \"\n");
}

TEST_F(IniSettingsStoreTest, FileIsPrivateAndCreatedFoldersToo) {
    IniSettingsStore(file_).Save("Veltrano", "options", "userpassword", "secret");
    EXPECT_EQ(Mode(file_), 0600u);
    EXPECT_EQ(Mode(file_.parent_path()), 0700u);
    EXPECT_EQ(Mode(file_.parent_path().parent_path()), 0700u);

    ::chmod(file_.c_str(), 0644);
    IniSettingsStore(file_).Save("Veltrano", "options", "userpassword", "other");
    EXPECT_EQ(Mode(file_), 0600u);
}

TEST_F(IniSettingsStoreTest, SavingLeavesNoTemporaryFile) {
    IniSettingsStore store(file_);
    for (int i = 0; i < 3; ++i)
        store.Save("Veltrano", "options", "username", std::to_string(i));
    EXPECT_EQ(FolderEntries(file_.parent_path()), std::vector<std::string>{"Veltrano.ini"});
}

TEST_F(IniSettingsStoreTest, FailedWriteKeepsTheOldFileAndReportsIt) {
    IniSettingsStore store(file_);
    store.Save("Veltrano", "options", "username", "kept");
    const std::string before = ReadRaw();

    // The file size limit makes the write of the temporary file fail half way.
    rlimit oldLimit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = oldLimit;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::optional<std::system_error> failure;
    try {
        store.Save("Veltrano", "options", "userpassword", std::string(4096, 'x'));
    } catch (const std::system_error& error) {
        failure = error;
    }
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    ::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->code(), std::errc::file_too_large);
    EXPECT_NE(std::string(failure->what()).find(file_.string()), std::string::npos);
    EXPECT_EQ(ReadRaw(), before);
    EXPECT_EQ(FolderEntries(file_.parent_path()), std::vector<std::string>{"Veltrano.ini"});
}

TEST_F(IniSettingsStoreTest, TargetThatIsAFolderOrUnderAFileIsReported) {
    fs::create_directories(file_);
    IniSettingsStore onFolder(file_);
    EXPECT_EQ(onFolder.Get("Veltrano", "options", "username", "d"), "d");
    try {
        onFolder.Save("Veltrano", "options", "username", "x");
        FAIL() << "saving over a folder must fail";
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code(), std::errc::is_a_directory);
        EXPECT_NE(std::string(error.what()).find(file_.string()), std::string::npos);
    }
    EXPECT_TRUE(fs::is_directory(file_));
    EXPECT_EQ(FolderEntries(file_.parent_path()), std::vector<std::string>{"Veltrano.ini"});

    std::ofstream(root_ / "plainfile") << "x";
    IniSettingsStore underFile(root_ / "plainfile" / "Veltrano" / "Veltrano.ini");
    EXPECT_THROW(underFile.Save("Veltrano", "options", "username", "x"), std::system_error);
}

TEST_F(IniSettingsStoreTest, UnknownContentIsKeptOnRewrite) {
    const std::string original = "; written by hand\n"
                                 "[Other]\n"
                                 "colour = dark blue \n"
                                 "\n"
                                 "[OPTIONS]\n"
                                 "# the user\n"
                                 "UserName = bob\n"
                                 "extra=\"q;uoted\" ; comment\n"
                                 "\n"
                                 "[last]\n"
                                 "z=1\n";
    WriteRaw(original);
    EXPECT_EQ(Get("username"), "bob");
    EXPECT_EQ(Get("extra"), "q;uoted");
    EXPECT_EQ(Get("colour", "other"), "dark blue");

    IniSettingsStore store(file_);
    store.Save("Veltrano", "options", "username", "anna");
    store.Save("Veltrano", "options", "userpassword", "pw");
    store.Save("Veltrano", "new", "k", "v");
    EXPECT_EQ(ReadRaw(), "; written by hand\n"
                         "[Other]\n"
                         "colour = dark blue \n"
                         "\n"
                         "[OPTIONS]\n"
                         "# the user\n"
                         "UserName=anna\n"
                         "extra=\"q;uoted\" ; comment\n"
                         "userpassword=pw\n"
                         "\n"
                         "[last]\n"
                         "z=1\n"
                         "\n"
                         "[new]\n"
                         "k=v\n");
}

TEST_F(IniSettingsStoreTest, DamagedFileIsReadAsFarAsPossibleAndCleanedOnSave) {
    using namespace std::string_literals;
    WriteRaw("\xEF\xBB\xBF[options]\r\n"
             "username=bob\r\n"
             "no equals sign here\n"
             "\x00\x01\xFF\xFE=garbage\n"
             "userpassword=\"unterminated\n"
             "broken=\"bad \\q escape\"\n"
             "=no key\n"
             "[unclosed\n"
             "lost=1\n"
             "[after]\n"
             "ok=yes\n"s);
    EXPECT_EQ(Get("username"), "bob");
    EXPECT_EQ(Get("userpassword"), "<default>");
    EXPECT_EQ(Get("broken"), "<default>");
    EXPECT_EQ(Get("lost", "unclosed"), "<default>");
    EXPECT_EQ(Get("ok", "after"), "yes");

    IniSettingsStore(file_).Save("Veltrano", "options", "userpassword", "pw");
    EXPECT_EQ(ReadRaw(), "[options]\nusername=bob\nuserpassword=pw\n[after]\nok=yes\n");
}

TEST_F(IniSettingsStoreTest, HugeFileIsReadUpToTheLimit) {
    WriteRaw("[options]\nusername=bob\n" + std::string(IniSettingsStore::kReadLimit * 2, 'x'));
    EXPECT_EQ(Get("username"), "bob");
    IniSettingsStore(file_).Save("Veltrano", "options", "userpassword", "pw");
    EXPECT_EQ(ReadRaw(), "[options]\nusername=bob\nuserpassword=pw\n");
}

TEST_F(IniSettingsStoreTest, NamesTheFormatCannotHoldAreRefused) {
    IniSettingsStore store(file_);
    for (auto [section, key] :
         std::vector<std::pair<std::string, std::string>>{{"options", "a=b"},
                                                          {"options", ""},
                                                          {"options", " pad"},
                                                          {"options", ";c"},
                                                          {"op]tions", "k"},
                                                          {"", "k"},
                                                          {"options", "new\nline"}}) {
        try {
            store.Save("Veltrano", section, key, "v");
            ADD_FAILURE() << "accepted [" << section << "] " << key;
        } catch (const std::system_error& error) {
            EXPECT_EQ(error.code(), std::errc::invalid_argument);
        }
    }
    EXPECT_FALSE(fs::exists(file_));
}

class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(IniSettingsStorePath, FollowsXdgConfigHomeElseHome) {
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(IniSettingsStore::DefaultPath("Veltrano"), "/cfg/Veltrano/Veltrano.ini");
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/cfg");
        EXPECT_EQ(IniSettingsStore::DefaultPath("Veltrano"),
                  "/home/someone/.config/Veltrano/Veltrano.ini");
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(IniSettingsStore::DefaultPath("Veltrano"),
              "/home/someone/.config/Veltrano/Veltrano.ini");
}

} // namespace
} // namespace veltrano::forms
