// veltrano-cli survey: the outline and the JSON of the tree, the running ACT!'s database, and
// databases that cannot be read.

#include "CliFixture.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <functional>

namespace veltrano::testsupport {
namespace {

using nlohmann::json;

// The outline that the JSON tree describes: preorder, two blanks per level.
std::string OutlineOf(const json& node, int depth = 0) {
    std::string text = std::string(static_cast<std::size_t>(depth) * 2, ' ') +
                       node.at("text").get<std::string>() + "\n";
    for (const auto& child : node.at("children")) {
        text += OutlineOf(child, depth + 1);
    }
    return text;
}

TEST_F(CliTest, SampleSurveyAsOutlineAndJsonDescribeTheSameTree) {
    const auto file = WriteSample();
    const auto outline = Run(std::vector<std::string>{"survey", file.string()} + kSampleLogin);
    const auto jsonRun =
        Run(std::vector<std::string>{"survey", file.string(), "--json"} + kSampleLogin);
    ASSERT_EQ(outline.status, 0) << outline.err;
    ASSERT_EQ(jsonRun.status, 0) << jsonRun.err;
    EXPECT_EQ(outline.err, "");
    const std::string start = "Sales Team\n  Tables\n    Contact\n      Fields\n"
                              "        Company\n          Type = String\n          Length = 40\n";
    EXPECT_EQ(outline.out.substr(0, start.size()), start);
    EXPECT_NE(outline.out.find("\n  Users\n    Chris Miller\n      Security = 1\n"),
              std::string::npos);

    const json root = json::parse(jsonRun.out);
    EXPECT_EQ(OutlineOf(root), outline.out);
    EXPECT_EQ(root.at("index"), 1);
    EXPECT_EQ(root.at("tag"), "Datenbank");
    EXPECT_EQ(root.at("key"), file.string());
    const json& tables = root.at("children").at(0);
    EXPECT_EQ(tables.at("text"), "Tables");
    EXPECT_FALSE(tables.contains("tag"));
    EXPECT_FALSE(tables.contains("key"));
    std::vector<std::string> tableNames;
    for (const auto& table : tables.at("children")) {
        tableNames.push_back(table.at("text"));
    }
    EXPECT_EQ(tableNames, (std::vector<std::string>{"Contact", "Group", "NoteHistory", "Activity",
                                                    "Sales", "ListTable", "Email"}));
    EXPECT_EQ(root.at("children").at(1).at("tag"), "Users");

    // Indices run 1, 2, 3 ... in tree order; only the database and the fields have keys, a
    // field's key is its table and its ID.
    int expected = 0;
    std::function<void(const json&, const std::string&)> walk = [&](const json& node,
                                                                    const std::string& table) {
        EXPECT_EQ(node.at("index"), ++expected);
        ASSERT_TRUE(node.at("children").is_array());
        const std::string tag = node.value("tag", "");
        if (tag == "Feld") {
            EXPECT_EQ(node.at("key").get<std::string>().rfind(table + " ", 0), 0u)
                << node.at("text");
        } else if (tag != "Datenbank") {
            EXPECT_FALSE(node.contains("key")) << node.at("text");
        }
        for (const auto& child : node.at("children")) {
            walk(child, tag == "Tabelle" ? node.at("text").get<std::string>() : table);
        }
    };
    walk(root, "");
    EXPECT_EQ(static_cast<std::size_t>(expected),
              static_cast<std::size_t>(std::count(outline.out.begin(), outline.out.end(), '\n')));
    EXPECT_EQ(tables.at("children").at(0).at("children").at(0).at("children").at(0).at("key"),
              "Contact 1");
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
    EXPECT_NE(result.out.find(R"(\"uote\\ \u0001\ttab\nline )"), std::string::npos);

    const json root = json::parse(result.out);
    EXPECT_EQ(root.at("text"), name);
    const json& field =
        root.at("children").at(0).at("children").at(0).at("children").at(0).at("children").at(0);
    EXPECT_EQ(field.at("key"), "Contact 1");
    EXPECT_EQ(field.at("text"), "bad \xEF\xBF\xBD\xEF\xBF\xBD end");

    // The outline gives the texts as they are.
    const auto outline = Run({"survey", file.string()});
    EXPECT_EQ(outline.out.substr(0, name.size() + 1), name + "\n");
    EXPECT_NE(outline.out.find("        bad \xFF\xFE end\n"), std::string::npos);
}

TEST_F(CliTest, DatabaseThatCannotBeReadFailsAndStaysUntouched) {
    const auto sample = WriteSample();
    const auto junk = temp.Path() / "junk.dbf";
    std::ofstream(junk, std::ios::binary) << "not an ACT! database\n";
    const auto truncated = temp.Path() / "truncated.dbf";
    std::ofstream(truncated, std::ios::binary) << ReadFileBytes(sample).substr(0, 2048);
    const auto missing = temp.Path() / "missing.dbf";

    for (const auto& file : {junk, truncated, missing}) {
        const std::string before = ReadFileBytes(file);
        for (const auto& command :
             {std::vector<std::string>{"survey", file.string()},
              std::vector<std::string>{"list", file.string(), "Users"},
              std::vector<std::string>{"replace", file.string(), "--table", "Contact", "--search",
                                       "a", "--replace", "b", "--save"}}) {
            const auto result = Run(command + kSampleLogin);
            EXPECT_EQ(result.status, 1) << file;
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err, "Error while opening ACT!-databse " + file.string() + "\n");
        }
        EXPECT_EQ(ReadFileBytes(file), before) << file;
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(CliTest, ErrorReportedDuringTheScanFailsTheRunButShowsWhatWasRead) {
    const auto file = temp.Path() / "popup.dbf";
    {
        ole::standin::StandInDatabaseWriter db(file, "Popup");
        db.AddField(ole::standin::TableAccessor::Contact,
                    {.id = 3, .name = "State", .entryTrigger = "x", .hasPopupList = true});
        db.Commit();
    }
    const auto survey = Run({"survey", file.string()});
    EXPECT_EQ(survey.status, 1);
    EXPECT_EQ(survey.out.substr(0, 14), "Popup\n  Tables");
    EXPECT_NE(survey.out.find("        State\n"), std::string::npos);
    EXPECT_NE(survey.err, "");
    EXPECT_EQ(survey.err.find('\r'), std::string::npos);

    const std::string before = ReadFileBytes(file);
    const auto replace = Run({"replace", file.string(), "--table", "Contact", "--search", "x",
                              "--replace", "y", "--save"});
    EXPECT_EQ(replace.status, 1);
    EXPECT_EQ(replace.out, "");
    EXPECT_EQ(replace.err.substr(survey.err.size()),
              "veltrano-cli: nothing was replaced, as the database was not read without errors\n");
    EXPECT_EQ(ReadFileBytes(file), before);
}

TEST_F(CliTest, WithoutDatabaseTheRunningActsDatabaseIsUsed) {
    const auto none = Run({"survey"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err,
              "veltrano-cli: no DATABASE given, and no running ACT! has a database open\n");

    const auto file = WriteTeamDatabase();
    std::filesystem::create_directory(temp.Path() / "logs");
    StandInProcess act(temp.Path() / "runtime", file, temp.Path() / "logs");
    ASSERT_TRUE(act.WaitRegistered()) << act.Stderr();

    const auto survey = Run({"survey"});
    ASSERT_EQ(survey.status, 0) << survey.err;
    EXPECT_EQ(survey.out.substr(0, 14), "Team\n  Tables\n");
    const auto list = Run({"list", "Users"});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out.substr(0, 6), "Name\tS");

    // Save refuses to write into the database that ACT! has open.
    const std::string before = ReadFileBytes(file);
    const auto save =
        Run({"replace", "--table", "Contact", "--search", "old", "--replace", "new", "--save"});
    EXPECT_EQ(save.status, 1);
    EXPECT_EQ(save.err, "Please close ACT! database before you save changed data.\n");
    EXPECT_EQ(ReadFileBytes(file), before);
}

} // namespace
} // namespace veltrano::testsupport
