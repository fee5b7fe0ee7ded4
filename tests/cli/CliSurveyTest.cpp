// veltrano-cli survey: the outline and the JSON of the tree, the running ACT!'s database, and
// databases that cannot be read.

#include "CliFixture.h"

#include "cli/TextEscape.h"

#include <nlohmann/json.hpp>

#include <functional>

namespace veltrano::testsupport {
namespace {

using nlohmann::json;
using namespace std::string_literals;

TEST_F(CliTest, SampleSurveyAsOutlineAndJsonDescribeTheSameTree) {
    const auto file = WriteSample();
    const auto outline = Run(Args{"survey", file.string()} + kSampleLogin);
    const auto jsonRun = Run(Args{"survey", file.string(), "--json"} + kSampleLogin);
    ASSERT_EQ(outline.status, 0) << outline.err;
    ASSERT_EQ(jsonRun.status, 0) << jsonRun.err;
    EXPECT_EQ(outline.err, "");
    const std::string start = "Sales Team\n  Tables\n    Contact\n      Fields\n"
                              "        Company\n          Type = String\n          Length = 40\n";
    EXPECT_EQ(outline.out.substr(0, start.size()), start);

    // The JSON nodes in preorder give the outline (texts escaped), two blanks per level, and run 1,
    // 2, 3 ...; only the database (its file) and the fields (table and ID) have keys.
    const json root = json::parse(jsonRun.out);
    std::string text;
    int index = 0;
    std::function<void(const json&, const std::string&, int)> walk = [&](const json& node,
                                                                         const std::string& table,
                                                                         int depth) {
        text += std::string(static_cast<std::size_t>(depth) * 2, ' ') +
                cli::EscapeText(node.at("text").get<std::string>()) + "\n";
        EXPECT_EQ(node.at("index"), ++index);
        const std::string tag = node.value("tag", "");
        if (tag == "Feld") {
            EXPECT_EQ(node.at("key").get<std::string>().rfind(table + " ", 0), 0u);
        } else if (tag != "Datenbank") {
            EXPECT_FALSE(node.contains("key")) << node.at("text");
        }
        for (const auto& child : node.at("children")) {
            walk(child, tag == "Tabelle" ? node.at("text").get<std::string>() : table, depth + 1);
        }
    };
    walk(root, "", 0);
    EXPECT_EQ(text, outline.out);
    EXPECT_EQ(root.at("key"), file.string());
}

TEST_F(CliTest, JsonCarriesEveryTextExactly) {
    const std::string name = "Q\"uote\\ \x01\ttab\nline \xC3\x9C"
                             "ber \xE2\x82\xAC";
    const auto file = temp.Path() / "odd.dbf";
    {
        ole::standin::StandInDatabaseWriter db(file, name);
        db.AddField(ole::standin::TableAccessor::Contact, {.id = 1, .name = "bad \xFF\xFE end"});
        db.Commit();
    }
    const auto result = Run({"survey", file.string(), "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const json root = json::parse(result.out);
    EXPECT_EQ(root.at("text"), name);
    EXPECT_EQ(root.at(json::json_pointer("/children/0/children/0/children/0/children/0/text")),
              "bad \xEF\xBF\xBD\xEF\xBF\xBD end");

    // The outline escapes its texts (which bytes: TextEscapeTest).
    const auto outline = Run({"survey", file.string()});
    EXPECT_EQ(outline.out.substr(0, outline.out.find('\n')), cli::EscapeText(name));
}

// Which files the engine refuses is for its own tests; here: each command fails with the reason
// and writes nothing.
TEST_F(CliTest, DatabaseThatCannotBeOpenedFailsWithItsReasonAndStaysUntouched) {
    const auto missing = temp.Path() / "missing.dbf";
    const auto loop = temp.Path() / "loop.dbf";
    fs::create_symlink(loop, loop);
    fs::path deep = temp.Path();
    while (deep.string().size() < 600) {
        deep /= std::string(60, 'd');
    }
    fs::create_directories(deep);
    fs::rename(WriteSample(), deep / "sample.dbf");
    const auto full = (deep / "sample.dbf").string();
    const std::string before = ReadBytes(full);
    for (const auto& [file, reason] :
         {std::pair{missing.string(), "The file does not exist."s},
          std::pair{loop.string(), "Its symbolic links form a loop."s},
          std::pair{full, "Its full path has " + std::to_string(full.size()) +
                              " bytes, and SQLite opens no path longer than 512 bytes."}}) {
        for (const auto& command : {Args{"survey", file}, Args{"list", file, "Users"},
                                    Args{"replace", file, "--table", "Contact", "--search", "a",
                                         "--replace", "b", "--save"}}) {
            const auto result = Run(command + kSampleLogin);
            EXPECT_EQ(result.status, 1) << file;
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err,
                      "Error while opening ACT!-databse " + file + "\n" + reason + "\n");
        }
    }
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_TRUE(ReadBytes(full) == before);
}

TEST_F(CliTest, ErrorReportedDuringTheScanFailsTheRunButShowsWhatWasRead) {
    const auto file = WriteTeamDatabase(
        "Team", {.moreFields = {{.id = 3, .name = "State", .hasPopupList = true}}});
    const auto survey = Run(Args{"survey", file.string()} + kTeamLogin);
    EXPECT_EQ(survey.status, 1);
    EXPECT_EQ(survey.out.substr(0, 14), "Team\n  Tables\n");
    EXPECT_NE(survey.out.find("        State\n"), std::string::npos);
    EXPECT_NE(survey.err, "");

    const std::string before = ReadBytes(file);
    const auto replace = Run(Args{"replace", file.string(), "--table", "Contact", "--search", "old",
                                  "--replace", "new", "--save"} +
                             kTeamLogin);
    EXPECT_EQ(replace.status, 1);
    EXPECT_EQ(replace.out, "");
    EXPECT_EQ(replace.err.substr(survey.err.size()),
              "veltrano-cli: nothing was replaced, as the database was not read without errors\n");
    EXPECT_TRUE(ReadBytes(file) == before);
}

TEST_F(CliTest, WithoutDatabaseTheRunningActsDatabaseIsUsed) {
    const auto none = Run({"survey"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err,
              "veltrano-cli: no DATABASE given, and no running ACT! has a database open\n");

    const auto file = WriteTeamDatabase();
    fs::create_directory(temp.Path() / "logs");
    ChildProcess act(temp.Path(), file, temp.Path() / "logs");
    ASSERT_TRUE(act.WaitRegistered()) << ReadBytes(temp.Path() / "logs" / "stderr.txt");
    const auto survey = Run({"survey"});
    ASSERT_EQ(survey.status, 0) << survey.err;
    EXPECT_EQ(survey.out.substr(0, 14), "Team\n  Tables\n");

    // Save refuses to write into the database that ACT! has open.
    const std::string before = ReadBytes(file);
    const auto save =
        Run({"replace", "--table", "Contact", "--search", "old", "--replace", "new", "--save"});
    EXPECT_EQ(save.status, 1);
    EXPECT_EQ(save.err, "Please close ACT! database before you save changed data.\n");
    EXPECT_TRUE(ReadBytes(file) == before);
}

} // namespace
} // namespace veltrano::testsupport
