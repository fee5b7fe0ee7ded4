// The Save command against stand-in databases: what reaches the file, the messages and status
// texts, the marks, the tree, and every way out.

#include "SaveFixture.h"
#include "act/DispatchIds.h"
#include "detail/NodeProperty.h"
#include "platform/actole/standin/SampleDatabase.h"

namespace {

using namespace veltrano;
using namespace veltrano::testsupport;
using forms::MessageCall;
using Triggers = std::pair<std::string, std::string>;
namespace id = act::dispid;

constexpr std::size_t kContact = 0;
constexpr std::size_t kGroup = 1;
const std::string kCrLf = "\r\n";
// Entry and Exit marks of the rows City, Company and Phone after the replace.
const std::vector<bool> kReplacedMarks{false, false, true, false, true, true};

class SaveChangesTest : public StandInSaveFixture {
protected:
    // Surveys the file, shows the table's Fields list and replaces c:\old by d:\new in it.
    void ReplaceIn(std::string_view table) {
        Survey(file);
        ClickFields(table);
        Replace("c:\\old", "d:\\new");
        script->calls.clear();
    }
    bool Called(std::int32_t dispid) const {
        return std::any_of(script->calls.begin(), script->calls.end(),
                           [&](const ProxyCall& call) { return call.dispid == dispid; });
    }
    std::string TreeProperty(std::string_view fieldKey, std::string_view label) {
        return detail::GetNodeProperty(form().tvACT, form().tvACT.ByKey(fieldKey), label);
    }
};

TEST_F(SaveChangesTest, ChangedTriggersReachTheFileAndTheTreeShowsThemRightAway) {
    WriteTriggerDatabase(file);
    ReplaceIn("Contact");
    const auto history = form().History.Count();
    Save();

    // Company's entry counts 1, Phone's row with both triggers counts 2.
    EXPECT_EQ(forms.Messages(), (std::vector<MessageCall>{{"3 changes were saved.", 64, ""}}));
    EXPECT_EQ(status.texts,
              (std::vector<std::string>{"Opening current ACT! database...",
                                        "Opening ACT! database...", "Entering batch mode...",
                                        "Saving changes...", "Ending batch mode...", ""}));
    EXPECT_EQ(Stored(file, kContact, 10), Triggers("d:\\new\\company.exe", ""));
    EXPECT_EQ(Stored(file, kContact, 11), Triggers("d:\\new\\dial.exe", "d:\\new\\hangup.exe"));
    // Group's field 10 shares the ID but belongs to another table.
    EXPECT_EQ(Stored(file, kGroup, 10), Triggers("c:\\old\\region.exe", ""));
    // Field IDs travel as Integers; the Fields collection came by the member "Fields".
    EXPECT_EQ(Puts(), (std::vector<std::string>{"1020(10,d:\\new\\company.exe)",
                                                "1020(11,d:\\new\\dial.exe)",
                                                "1021(11,d:\\new\\hangup.exe)"}));
    for (const auto& call : script->calls) {
        if (call.kind == ole::InvokeKind::PropertyPut) {
            EXPECT_EQ(call.args.at(0).GetType(), ole::Variant::Type::Integer);
        }
    }

    // Marks gone, texts and former texts kept; history untouched; window ready.
    EXPECT_EQ(Marks(), std::vector<bool>(6, false));
    EXPECT_EQ(Cell("Phone", kExit).text, "d:\\new\\hangup.exe");
    EXPECT_EQ(Cell("Phone", kExit).tag, "c:\\old\\hangup.exe");
    EXPECT_EQ(form().History.Count(), history);
    EXPECT_TRUE(Ready());

    // The tree holds what the file holds: the list rebuilt from it shows the saved texts.
    EXPECT_EQ(TreeProperty("Contact 11", "ExitTrigger"), "d:\\new\\hangup.exe");
    ClickFields("Contact");
    EXPECT_EQ(Cell("Company", kEntry).text, "d:\\new\\company.exe");
    EXPECT_FALSE(Cell("Company", kEntry).bold);
    // And so does a new survey.
    Survey(file);
    EXPECT_EQ(TreeProperty("Contact 10", "EntryTrigger"), "d:\\new\\company.exe");
    EXPECT_EQ(TreeProperty("Group 10", "EntryTrigger"), "c:\\old\\region.exe");
}

TEST_F(SaveChangesTest, AnotherTablesListIsWrittenIntoThatTable) {
    WriteTriggerDatabase(file);
    ReplaceIn("Group");
    Save();
    EXPECT_EQ(forms.Messages(), (std::vector<MessageCall>{{"1 changes were saved.", 64, ""}}));
    EXPECT_EQ(Stored(file, kGroup, 10), Triggers("d:\\new\\region.exe", ""));
    EXPECT_EQ(Stored(file, kContact, 10), Triggers("c:\\old\\company.exe", ""));
    EXPECT_NE(
        std::find_if(script->calls.begin(), script->calls.end(),
                     [](const ProxyCall& call) { return call.dispid == id::kDatabaseGroupTable; }),
        script->calls.end());
    EXPECT_EQ(TreeProperty("Group 10", "EntryTrigger"), "d:\\new\\region.exe");
    EXPECT_EQ(TreeProperty("Contact 10", "EntryTrigger"), "c:\\old\\company.exe");
}

TEST_F(SaveChangesTest, WithoutChangedCellsTheBatchIsEnteredAndEndedAndZeroReported) {
    WriteTriggerDatabase(file);
    Survey(file);
    ClickFields("Contact");
    const auto before = Bytes(file);
    Save();
    EXPECT_EQ(forms.Messages(), (std::vector<MessageCall>{{"0 changes were saved.", 64, ""}}));
    EXPECT_TRUE(Puts().empty());
    EXPECT_EQ(Bytes(file), before);
    EXPECT_TRUE(Ready());
}

TEST_F(SaveChangesTest, ABatchThatCannotStartWhileAnotherConnectionWritesKeepsEverything) {
    WriteTriggerDatabase(file);
    ReplaceIn("Contact");
    act::Database other(ole::standin::CreateStandInDatabase([] { return std::string(); }));
    other.Open(file.string());
    act::Fields blocking = other.ContactTable().GetFields();
    ASSERT_TRUE(blocking.BeginBatch());
    const auto before = Bytes(file);

    Save();
    EXPECT_EQ(
        forms.Messages(),
        (std::vector<MessageCall>{{"Can't save Data." + kCrLf +
                                       "Problem while entering in batch mode." + kCrLf + "Error #5",
                                   48, ""}}));
    EXPECT_TRUE(Puts().empty());
    EXPECT_EQ(Marks(), kReplacedMarks);
    EXPECT_TRUE(Ready());
    EXPECT_EQ(Bytes(file), before);

    ASSERT_TRUE(blocking.EndBatch());
    blocking.Release();
    other.Close();
    EXPECT_EQ(Stored(file, kContact, 10), Triggers("c:\\old\\company.exe", ""));
}

TEST_F(SaveChangesTest, AFailedEndBatchKeepsEveryMarkAndReportsNothingSaved) {
    WriteTriggerDatabase(file);
    ReplaceIn("Contact");
    script->overrides[id::kFieldsEndBatch] = [](auto, ole::Dispatch&) {
        return ole::Variant(false);
    };
    script->overrides[id::kFieldsLastError] = [](auto, ole::Dispatch&) {
        return ole::Variant(std::int16_t{13});
    };
    Save();
    EXPECT_EQ(forms.Messages(),
              (std::vector<MessageCall>{{"Problem while saving Data." + kCrLf +
                                             "Can't end batch mode." + kCrLf + "Error #13",
                                         48, ""}}));
    EXPECT_EQ(Puts().size(), 3u);
    EXPECT_EQ(Marks(), kReplacedMarks);
    EXPECT_EQ(TreeProperty("Contact 10", "EntryTrigger"), "c:\\old\\company.exe");
    EXPECT_TRUE(Ready());
    // Closing the database rolled the uncommitted batch back.
    EXPECT_EQ(Stored(file, kContact, 10), Triggers("c:\\old\\company.exe", ""));
    EXPECT_EQ(Stored(file, kContact, 11), Triggers("c:\\old\\dial.exe", "c:\\old\\hangup.exe"));
}

TEST_F(SaveChangesTest, AWriteThatRaisesIsReportedAndTheWholeBatchRolledBack) {
    WriteTriggerDatabase(file);
    ReplaceIn("Contact");
    // The file loses the field Phone after the survey.
    fs::remove(file);
    WriteTriggerDatabase(file, false);
    Save();

    EXPECT_EQ(forms.Messages(),
              (std::vector<MessageCall>{{"Fehlernummer: 5" + kCrLf +
                                             "Fehlerbeschreibung: Table Contact has no field "
                                             "with the ID 11.",
                                         48, ""}}));
    // Company was written before Phone failed; nothing of it stays.
    EXPECT_EQ(Puts().front(), "1020(10,d:\\new\\company.exe)");
    EXPECT_EQ(Stored(file, kContact, 10), Triggers("c:\\old\\company.exe", ""));
    EXPECT_EQ(Marks(), kReplacedMarks);
    EXPECT_EQ(status.texts.back(), "");
    EXPECT_TRUE(Ready());

    // The window goes on working: with the field back, the same marks are saved.
    fs::remove(file);
    WriteTriggerDatabase(file);
    Save();
    EXPECT_EQ(forms.Messages().back(), (MessageCall{"3 changes were saved.", 64, ""}));
}

TEST_F(SaveChangesTest, AnIdBeyondSixteenBitsIsReportedBeforeAnythingIsOpened) {
    WriteTriggerDatabase(file);
    ReplaceIn("Contact");
    // 65546 would wrap to 10, Company's ID.
    form().lvACT.SetSubItemText(Row("Phone"), 1, "65546");
    Save();
    EXPECT_EQ(forms.Messages(),
              (std::vector<MessageCall>{{"Fehlernummer: 6" + kCrLf +
                                             "Fehlerbeschreibung: Overflow: the ID \"65546\" of "
                                             "the field \"Phone\" is no field ID.",
                                         48, ""}}));
    EXPECT_FALSE(Called(id::kDatabaseOpen));
    EXPECT_EQ(Marks(), kReplacedMarks);
    EXPECT_EQ(Stored(file, kContact, 10), Triggers("c:\\old\\company.exe", ""));
    EXPECT_TRUE(Ready());
}

TEST_F(SaveChangesTest, AFileThatNoLongerOpensIsReported) {
    WriteTriggerDatabase(file);
    ReplaceIn("Contact");
    fs::remove(file);
    std::ofstream(file) << "no database";
    Save();
    EXPECT_EQ(
        forms.Messages(),
        (std::vector<MessageCall>{{"Error while opening ACT! database " + file.string(), 48, ""}}));
    EXPECT_EQ(Marks(), kReplacedMarks);
    EXPECT_TRUE(Ready());
}

TEST_F(SaveChangesTest, ADatabaseAskingForALoginIsOpenedWithTheLoginSequence) {
    WriteTriggerDatabase(file, true, true);
    forms.QueueLogin(forms::LoginAnswer{"Chris", "pw"});
    ReplaceIn("Contact");
    forms.QueueLogin(forms::LoginAnswer{"Chris", "wrong"});
    forms.QueueLogin(forms::LoginAnswer{"Chris", "pw"});
    Save();

    const std::string refused = "Login failed." + kCrLf +
                                "Please enter your username and password for" + kCrLf +
                                "the ACT! database " + file.string();
    EXPECT_EQ(forms.Messages(),
              (std::vector<MessageCall>{{refused, 64, ""}, {"3 changes were saved.", 64, ""}}));
    EXPECT_EQ(std::count(status.texts.begin(), status.texts.end(), "Validating ACT! user Chris..."),
              2);
    EXPECT_EQ(Stored(file, kContact, 10, "Chris"), Triggers("d:\\new\\company.exe", ""));
    EXPECT_EQ(forms.PendingAnswers(), 0u);
}

TEST_F(SaveChangesTest, ACancelledLoginEndsTheSaveQuietly) {
    WriteTriggerDatabase(file, true, true);
    forms.QueueLogin(forms::LoginAnswer{"Chris", "pw"});
    ReplaceIn("Contact");
    forms.QueueLogin(forms::LoginAnswer{std::nullopt, std::nullopt, ""});
    Save();
    EXPECT_TRUE(forms.Messages().empty());
    EXPECT_TRUE(Puts().empty());
    EXPECT_EQ(Marks(), kReplacedMarks);
    EXPECT_TRUE(Ready());
}

TEST_F(SaveChangesTest, SampleDatabaseReplaceSaveAndSurveyAgainShowsTheNewPaths) {
    ole::standin::WriteSampleDatabase(file);
    const forms::LoginAnswer login{std::string(ole::standin::kSampleUserName),
                                   std::string(ole::standin::kSamplePassword)};
    forms.QueueLogin(login);
    Survey(file);
    ClickFields("Contact");
    Replace("c:\\act\\tools", "d:\\tools");
    const auto marks = Marks();
    const auto changed = std::count(marks.begin(), marks.end(), true);
    forms.QueueLogin(login);
    Save();
    EXPECT_EQ(forms.Messages(), (std::vector<MessageCall>{
                                    {std::to_string(changed) + " changes were saved.", 64, ""}}));
    EXPECT_GE(changed, 3);

    forms.QueueLogin(login);
    Survey(file);
    EXPECT_EQ(TreeProperty("Contact 4", "EntryTrigger"), "d:\\tools\\dial.exe");
    EXPECT_EQ(TreeProperty("Group 28", "EntryTrigger"), "c:\\act\\tools\\dial.exe");
}

} // namespace
