#include "platform/forms/IniSettingsStore.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace veltrano::forms {
namespace {

namespace fs = std::filesystem;

class IniSettingsStoreTest : public ::testing::Test {
protected:
    void WriteRaw(const std::string& text) {
        fs::create_directories(file_.parent_path());
        std::ofstream(file_, std::ios::binary) << text;
    }
    std::string ReadRaw() const { return testsupport::ReadBytes(file_); }
    // What the settings folder holds: the file alone, no temporary left behind.
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(file_.parent_path()))
            names.push_back(entry.path().filename().string());
        return names;
    }
    static unsigned Mode(const fs::path& path) {
        return static_cast<unsigned>(fs::status(path).permissions());
    }
    std::string Get(std::string_view key, std::string_view section = "options") const {
        return IniSettingsStore(file_).Get("Veltrano", section, key, "<default>");
    }
    void Save(std::string_view key, std::string_view value) {
        IniSettingsStore(file_).Save("Veltrano", "options", key, value);
    }

    testsupport::TempFolder root_;
    fs::path file_ = root_.Path() / "config" / "Veltrano" / "Veltrano.ini";
    const std::vector<std::string> onlyTheFile_{"Veltrano.ini"};
};

TEST_F(IniSettingsStoreTest, WritesPlainPrivateIniInPlaceAndAwkwardValuesReadBackIdentical) {
    Save("username", "Chris Huber");
    Save("userpassword", " a\"b\\c\n ");
    Save("empty", "");
    Save("username", "Anna");
    EXPECT_EQ(ReadRaw(), "[options]\nusername=Anna\nuserpassword=\" a\\\"b\\\\c\\n \"\nempty=\n");
    EXPECT_EQ(FolderEntries(), onlyTheFile_);
    EXPECT_EQ(Mode(file_), 0600u);
    EXPECT_EQ(Mode(file_.parent_path()), 0700u);
    EXPECT_EQ(Mode(file_.parent_path().parent_path()), 0700u);
    fs::permissions(file_, static_cast<fs::perms>(0644));

    const std::string values[] = {
        " lead",         "trail ", "  both  ",      "\ttab\t",   "\"quoted\"",
        "'single'",      "\"",     "a;b",           ";start",    "#hash",
        "x=y=z",         "=",      "back\\slash\\", "\\",        "line1\nline2",
        "crlf\r\n",      "\r",     "\x01\x1f\x7f",  "[section]", "plain text",
        "Grüße, 東京 €", ""};
    for (std::size_t i = 0; i < std::size(values); ++i)
        Save("k" + std::to_string(i), values[i]);
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(Get("k" + std::to_string(i)), values[i]) << "value " << i;
    EXPECT_EQ(Mode(file_), 0600u);
}

TEST_F(IniSettingsStoreTest, FailedWriteKeepsTheOldFileAndReportsIt) {
    Save("username", "kept");
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
        Save("userpassword", std::string(4096, 'x'));
    } catch (const std::system_error& error) {
        failure = error;
    }
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    ::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->code(), std::errc::file_too_large);
    EXPECT_NE(std::string(failure->what()).find(file_.string()), std::string::npos);
    EXPECT_EQ(ReadRaw(), before);
    EXPECT_EQ(FolderEntries(), onlyTheFile_);
}

// A folder, a FIFO or a file too big to read whole is neither waited on nor replaced.
TEST_F(IniSettingsStoreTest, TargetThatIsNoFileReadWholeIsNotReplacedAndReported) {
    fs::create_directories(file_);
    EXPECT_EQ(Get("username"), "<default>");
    try {
        Save("username", "x");
        FAIL() << "saving over a folder must fail";
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code(), std::errc::is_a_directory);
        EXPECT_NE(std::string(error.what()).find(file_.string()), std::string::npos);
    }
    EXPECT_TRUE(fs::is_directory(file_));
    EXPECT_EQ(FolderEntries(), onlyTheFile_);
    fs::remove(file_);

    ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
    EXPECT_EQ(Get("username"), "<default>");
    EXPECT_THROW(Save("userpassword", "pw"), std::system_error);
    EXPECT_TRUE(fs::is_fifo(file_));
    fs::remove(file_);

    const std::string big =
        "[options]\nusername=bob\n" + std::string(IniSettingsStore::kReadLimit, 'x');
    WriteRaw(big);
    EXPECT_EQ(Get("username"), "bob");
    EXPECT_THROW(Save("userpassword", "pw"), std::system_error);
    EXPECT_TRUE(ReadRaw() == big);

    std::ofstream(root_.File("plainfile")) << "x";
    IniSettingsStore underFile(root_.File("plainfile") / "Veltrano" / "Veltrano.ini");
    EXPECT_THROW(underFile.Save("Veltrano", "options", "username", "x"), std::system_error);
}

// Sections and keys match in any letter case; what the store does not know stays byte for byte.
TEST_F(IniSettingsStoreTest, UnknownOrDamagedContentIsReadAsFarAsPossibleAndKeptOnSave) {
    WriteRaw("; by hand\n[Other]\ncolour = dark blue \n\n[OPTIONS]\n# the user\n"
             "UserName = bob\nextra=\"q;uoted\" ; comment\n\n[last]\nz=1\n");
    EXPECT_EQ(Get("username"), "bob");
    EXPECT_EQ(Get("extra"), "q;uoted");
    EXPECT_EQ(Get("colour", "other"), "dark blue");
    Save("username", "anna");
    Save("userpassword", "pw");
    EXPECT_EQ(ReadRaw(), "; by hand\n[Other]\ncolour = dark blue \n\n[OPTIONS]\n# the user\n"
                         "UserName=anna\nextra=\"q;uoted\" ; comment\nuserpassword=pw\n\n"
                         "[last]\nz=1\n");

    using namespace std::string_literals;
    const std::string head = "\xEF\xBB\xBF[options]\r\nusername=bob\r\n"s;
    const std::string rest =
        "no equals sign here\n\x00\x01\xFF\xFE=garbage\nuserpassword=\"unterminated\n"
        "broken=\"bad \\q escape\"\n=no key\n[unclosed\nlost=1\n[after]\nok=yes"s;
    WriteRaw(head + rest);
    EXPECT_EQ(Get("username"), "bob");
    EXPECT_EQ(Get("userpassword"), "<default>");
    EXPECT_EQ(Get("broken"), "<default>");
    EXPECT_EQ(Get("lost", "unclosed"), "<default>");
    EXPECT_EQ(Get("ok", "after"), "yes");
    Save("userpassword", "pw");
    EXPECT_EQ(ReadRaw(), head + "userpassword=pw\r\n" + rest);
    IniSettingsStore(file_).Save("Veltrano", "new", "k", "v");
    EXPECT_EQ(ReadRaw(), head + "userpassword=pw\r\n" + rest + "\r\n\r\n[new]\r\nk=v\r\n");
}

TEST(IniSettingsStorePath, HomeUnlessXdgConfigHomeIsAbsolute) {
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const std::string oldXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    ::setenv("HOME", "/home/someone", 1);
    // An absolute one: CliLoginTest writes the file there.
    for (const char* xdg : {"relative/cfg", static_cast<const char*>(nullptr)}) {
        xdg ? ::setenv("XDG_CONFIG_HOME", xdg, 1) : ::unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(IniSettingsStore::DefaultPath("Veltrano"),
                  "/home/someone/.config/Veltrano/Veltrano.ini")
            << (xdg ? xdg : "unset");
    }
    ::setenv("HOME", oldHome.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1);
}

} // namespace
} // namespace veltrano::forms
