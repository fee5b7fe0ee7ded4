#include "StandInTestSupport.h"

#include "platform/actole/DispatchIds.h"
#include "platform/actole/standin/StandInErrors.h"

namespace veltrano::ole::standin::test {
namespace {

// What the engine itself decides. Every property's text, read through the engine, is checked
// by the scan's tests.
class StandInObjects : public ::testing::Test {
protected:
    void SetUp() override {
        StandInDatabaseWriter writer(file, "Objects");
        constexpr auto contact = TableAccessor::Contact;
        writer.SetTableName(contact, "Contacts");
        // Added out of position order: positions, not insertion, decide FieldID(position).
        writer.AddField(contact, {.id = 40, .name = "Second", .position = 1});
        writer.AddField(contact, {.id = -3, .name = "First", .type = 17, .position = 0});
        writer.AddRecord(contact, "C1");
        writer.AddRecord(contact, "C2", {{40, "x"}});
        writer.AddUser({.name = "Ann", .access = 100000});
        writer.Commit();
        db.Open(file.string());
        ASSERT_TRUE(db.IsOpen());
    }

    TempFolder dir;
    fs::path file = dir.File("objects.dbf");
    act::Database db = NewDatabase();
};

TEST_F(StandInObjects, CountsCodesAndOrderAsStoredWithTheirTypes) {
    act::Table contact = db.ContactTable();
    EXPECT_EQ(contact.Object()->Get(ole::dispid::kTableRecordCount).GetType(), Variant::Type::Long);
    EXPECT_EQ(contact.Object()->Get(ole::dispid::kTableFieldCount).GetType(),
              Variant::Type::Integer);

    act::Fields fields = contact.GetFieldsByName();
    EXPECT_EQ(fields.FieldID(0), -3);
    EXPECT_EQ(fields.FieldID(1), 40);
    EXPECT_EQ(fields.Type(-3), 17); // codes outside the name tables are returned as stored

    act::Users users = db.GetUsers();
    EXPECT_EQ(users.Access(0), 100000);
    EXPECT_EQ(users.Object()->Get(ole::dispid::kUsersSecurity, {std::int16_t{0}}).GetType(),
              Variant::Type::Long);
}

TEST_F(StandInObjects, PositionsFieldIdsMembersAndArgumentsOutsideTheTableRaise) {
    act::Fields fields = db.ContactTable().GetFields();
    for (std::int16_t position : {-1, 2}) {
        EXPECT_EQ(Raised([&] { (void)fields.FieldID(position); }).Number(),
                  errors::kPositionOutOfRange);
    }
    // A write to a missing field, number and text: SaveChangesTest.
    EXPECT_EQ(Raised([&] { (void)fields.Name(41); }).Number(), errors::kNoSuchField);

    const DispatchPtr& object = db.Object();
    const AutomationError unknown = Raised([&] { (void)object->Get(9999); });
    EXPECT_EQ(unknown.Number(), -2147352573);
    EXPECT_EQ(unknown.Description(), "Unknown name.");
    EXPECT_EQ(Raised([&] { (void)object->GetByName("NoSuchMember"); }).Number(),
              errors::kDispMemberNotFound);
    // Open takes one argument; member names ignore case.
    EXPECT_EQ(Raised([&] { (void)object->Call(ole::dispid::kDatabaseOpen); }).Number(),
              errors::kDispBadParamCount);
    EXPECT_EQ(object->GetByName("isopen"), Variant(true));
}

} // namespace
} // namespace veltrano::ole::standin::test
