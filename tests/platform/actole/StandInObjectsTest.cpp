#include "StandInTestSupport.h"

#include "act/DispatchIds.h"
#include "platform/actole/standin/StandInErrors.h"

#include <gtest/gtest.h>

namespace veltrano::ole::standin::test {
namespace {

template <typename Call> AutomationError CatchAutomationError(Call call) {
    try {
        call();
    } catch (const AutomationError& error) {
        return error;
    }
    ADD_FAILURE() << "no AutomationError";
    return AutomationError(0, "");
}

std::vector<PopupEntry> Entries(int count) {
    std::vector<PopupEntry> entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back({"Value " + std::to_string(i), i % 2 == 0 ? "" : "Remark"});
    }
    return entries;
}

class StandInObjects : public ::testing::Test {
protected:
    void SetUp() override {
        StandInDatabaseWriter writer(file, "Objects");
        constexpr auto contact = TableAccessor::Contact;
        writer.SetTableName(contact, "Contacts");
        // Added out of position order: positions, not insertion, decide FieldID(position).
        writer.AddField(contact, {.id = 40, .name = "Second", .position = 1});
        writer.AddField(contact, {.id = -3,
                                  .name = "First",
                                  .type = 17,
                                  .length = 30,
                                  .decimalPlaces = 2,
                                  .entryRule = 9,
                                  .entryTrigger = "in.exe",
                                  .exitTrigger = "out.mac",
                                  .initialValue = "USA",
                                  .isIndexed = true,
                                  .isCutHistory = true,
                                  .isPrimary = true,
                                  .isBlockSync = true,
                                  .isSortable = true,
                                  .position = 0});
        writer.AddField(contact, {.id = 5, .name = "No list"});
        writer.AddField(contact, {.id = 6, .name = "Corrupt", .hasPopupList = true});
        writer.AddField(contact, {.id = 7, .name = "Empty"});
        writer.AddField(contact, {.id = 8, .name = "Five hundred"});
        writer.AddField(contact, {.id = 9, .name = "Five hundred one"});
        writer.AddPopupList(contact, 7, {});
        writer.AddPopupList(contact, 8, Entries(500));
        writer.AddPopupList(contact, 9, Entries(501));
        writer.AddRecord(contact, "C1");
        writer.AddRecord(contact, "C2", {{40, "x"}});
        writer.AddRecord(TableAccessor::Group, "G1");
        writer.AddUser({.name = "Ann", .uniqueId = "U-1", .security = 2, .access = 100000});
        writer.AddUser({.name = "Bob", .security = -1});
        writer.Commit();
        db.Open(file.string());
        ASSERT_TRUE(db.IsOpen());
    }

    TempDir dir;
    fs::path file = dir.File("objects.dbf");
    act::Database db = NewDatabase();
};

TEST_F(StandInObjects, TableMembers) {
    act::Table contact = db.ContactTable();
    EXPECT_EQ(contact.Name(), "Contacts");
    EXPECT_EQ(contact.FieldCount(), 7);
    EXPECT_EQ(contact.RecordCount(), 2);
    EXPECT_EQ(db.GroupTable().RecordCount(), 1);
    EXPECT_EQ(db.EmailTable().Name(), "");
    EXPECT_EQ(db.EmailTable().GetFields().Count(), 0);
    EXPECT_EQ(contact.Object()->Get(act::dispid::kTableRecordCount).GetType(), Variant::Type::Long);
    EXPECT_EQ(contact.Object()->Get(act::dispid::kTableFieldCount).GetType(),
              Variant::Type::Integer);
}

TEST_F(StandInObjects, FieldsInPositionOrderWithEveryProperty) {
    act::Fields fields = db.ContactTable().GetFieldsByName();
    EXPECT_EQ(fields.FieldID(0), -3);
    EXPECT_EQ(fields.FieldID(1), 40);
    EXPECT_EQ(fields.Name(-3), "First");
    EXPECT_EQ(fields.Type(-3), 17); // codes outside the name tables are returned as stored
    EXPECT_EQ(fields.EntryRule(-3), 9);
    EXPECT_EQ(fields.Length(-3), 30);
    EXPECT_EQ(fields.DecimalPlaces(-3), 2);
    EXPECT_EQ(fields.EntryTrigger(-3), "in.exe");
    EXPECT_EQ(fields.ExitTrigger(-3), "out.mac");
    EXPECT_EQ(fields.InitialValue(-3), "USA");
    EXPECT_TRUE(fields.IsIndexed(-3) && fields.IsCutHistory(-3) && fields.IsPrimary(-3) &&
                fields.IsBlockSync(-3) && fields.IsSortable(-3));
    EXPECT_FALSE(fields.IsIndexed(40) || fields.IsCutHistory(40) || fields.IsPrimary(40) ||
                 fields.IsBlockSync(40) || fields.IsSortable(40) || fields.HasPopupList(40));
    EXPECT_EQ(fields.Type(40), 1);
}

TEST_F(StandInObjects, PositionsAndFieldIdsOutsideTheTableRaise) {
    act::Fields fields = db.ContactTable().GetFields();
    EXPECT_EQ(CatchAutomationError([&] { (void)fields.FieldID(7); }).Number(),
              errors::kPositionOutOfRange);
    EXPECT_EQ(CatchAutomationError([&] { (void)fields.FieldID(-1); }).Number(),
              errors::kPositionOutOfRange);
    const AutomationError missing = CatchAutomationError([&] { (void)fields.Name(41); });
    EXPECT_EQ(missing.Number(), errors::kNoSuchField);
    EXPECT_EQ(missing.Description(), "Table Contact has no field with the ID 41.");
    EXPECT_EQ(CatchAutomationError([&] { fields.SetEntryTrigger(41, "x"); }).Number(),
              errors::kNoSuchField);
}

TEST_F(StandInObjects, UnknownMembersAndWrongCallsRaise) {
    const DispatchPtr& object = db.Object();
    const AutomationError unknown = CatchAutomationError([&] { (void)object->Get(9999); });
    EXPECT_EQ(unknown.Number(), -2147352573);
    EXPECT_EQ(unknown.Description(), "Unknown name.");
    EXPECT_EQ(CatchAutomationError([&] { (void)object->GetByName("NoSuchMember"); }).Number(),
              errors::kDispMemberNotFound);
    // Name is read-only; Open takes one argument.
    EXPECT_EQ(
        CatchAutomationError([&] { object->Put(act::dispid::kDatabaseName, {"x"}); }).Number(),
        errors::kDispMemberNotFound);
    EXPECT_EQ(
        CatchAutomationError([&] { (void)object->Call(act::dispid::kDatabaseOpen); }).Number(),
        errors::kDispBadParamCount);
    // Member names ignore case, as in automation.
    EXPECT_EQ(object->GetByName("isopen"), Variant(true));
    const DispatchPtr fields = db.ContactTable().GetFields().Object();
    EXPECT_EQ(
        CatchAutomationError([&] { (void)fields->Get(act::dispid::kFieldsName, {"40"}); }).Number(),
        errors::kTypeMismatch);
}

TEST_F(StandInObjects, PopupLists) {
    act::Fields fields = db.ContactTable().GetFields();

    EXPECT_FALSE(fields.HasPopupList(5));
    EXPECT_EQ(CatchAutomationError([&] { (void)fields.GetPopupList(5); }).Number(),
              errors::kNoPopupList);

    EXPECT_TRUE(fields.HasPopupList(6));
    const AutomationError corrupt = CatchAutomationError([&] { (void)fields.GetPopupList(6); });
    EXPECT_EQ(corrupt.Number(), errors::kCorruptPopupList);
    EXPECT_NE(corrupt.Description().find("corrupt"), std::string::npos);

    act::PopupList empty = fields.GetPopupList(7);
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.PopupCountText(), "0");
    EXPECT_THROW((void)empty.Value(0), AutomationError);

    act::PopupList five = fields.GetPopupList(8);
    EXPECT_EQ(five.Count(), 500);
    EXPECT_EQ(five.Value(499), "Value 499");
    EXPECT_EQ(five.Remark(499), "Remark");
    EXPECT_EQ(five.Remark(498), "");
    EXPECT_THROW((void)five.Value(500), AutomationError);

    act::PopupList fiveOne = fields.GetPopupList(9);
    EXPECT_EQ(fiveOne.Count(), 501);
    EXPECT_EQ(fiveOne.PopupCountText(), "501");
    EXPECT_EQ(fiveOne.Value(500), "Value 500");
}

TEST_F(StandInObjects, Users) {
    act::Users users = db.GetUsers();
    ASSERT_EQ(users.Count(), 2);
    EXPECT_EQ(users.Name(0), "Ann");
    EXPECT_EQ(users.UniqueID(0), "U-1");
    EXPECT_EQ(users.Password(0), "");
    EXPECT_EQ(users.Security(0), 2);
    EXPECT_EQ(users.Access(0), 100000);
    EXPECT_EQ(users.Security(1), -1);
    EXPECT_EQ(users.Object()->Get(act::dispid::kUsersSecurity, {std::int16_t{0}}).GetType(),
              Variant::Type::Long);
    EXPECT_THROW((void)users.Name(2), AutomationError);
}

} // namespace
} // namespace veltrano::ole::standin::test
