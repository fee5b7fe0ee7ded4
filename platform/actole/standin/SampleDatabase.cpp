#include "platform/actole/standin/SampleDatabase.h"

#include "platform/actole/standin/StandInDatabaseWriter.h"

#include <string>

namespace veltrano::ole::standin {

namespace {

// Field type codes (ACT!'s numbering, 0 ... 15).
enum : std::int16_t {
    kNone = 0,
    kString = 1,
    kUppercase = 2,
    kLowercase = 3,
    kInitialCapital = 4,
    kNumeric = 5,
    kCurrency = 6,
    kTimeStamp = 7,
    kDate = 8,
    kTime = 9,
    kDateTime = 10,
    kBlob = 11,
    kBinary = 12,
    kUniqueId = 13,
    kPhone = 14,
    kUrl = 15,
};

// Entry rule codes (0 ... 4).
enum : std::int16_t {
    kNoRules = 0,
    kRequired = 1,
    kListOnly = 2,
    kProtected = 3,
    kUnknownRule = 4
};

constexpr const char* kDial = R"(c:\act\tools\dial.exe)";

void AddContactTable(StandInDatabaseWriter& db) {
    constexpr TableAccessor t = TableAccessor::Contact;
    db.SetTableName(t, "Contacts");
    db.AddField(t, {.id = 1,
                    .name = "Company",
                    .type = kString,
                    .length = 40,
                    .entryRule = kRequired,
                    .exitTrigger = R"(c:\act\macros\company.mac)",
                    .isIndexed = true,
                    .isSortable = true});
    db.AddField(t, {.id = 2,
                    .name = "Contact",
                    .type = kInitialCapital,
                    .length = 40,
                    .entryRule = kRequired,
                    .isIndexed = true,
                    .isSortable = true});
    db.AddField(t, {.id = 3, .name = "Title", .type = kString, .length = 40});
    db.AddField(t, {.id = 4,
                    .name = "Phone",
                    .type = kPhone,
                    .length = 25,
                    .entryTrigger = kDial,
                    .isIndexed = true});
    db.AddField(t, {.id = 5, .name = "Phone Ext.", .type = kNumeric, .length = 6});
    db.AddField(t, {.id = 6, .name = "Fax", .type = kPhone, .length = 25});
    db.AddField(
        t, {.id = 7, .name = "Mobile Phone", .type = kPhone, .length = 25, .entryTrigger = kDial});
    db.AddField(t, {.id = 8, .name = "Address 1", .type = kString, .length = 40});
    db.AddField(t, {.id = 9,
                    .name = "City",
                    .type = kInitialCapital,
                    .length = 30,
                    .isIndexed = true,
                    .isSortable = true});
    db.AddField(t,
                {.id = 10, .name = "State", .type = kUppercase, .length = 2, .isSortable = true});
    db.AddField(t, {.id = 11, .name = "Zip", .type = kString, .length = 10, .isSortable = true});
    db.AddField(
        t, {.id = 12, .name = "Country", .type = kString, .length = 30, .initialValue = "USA"});
    db.AddField(t, {.id = 13,
                    .name = "E-mail Address",
                    .type = kLowercase,
                    .length = 60,
                    .exitTrigger = R"(c:\act\tools\mailcheck.exe)"});
    db.AddField(t, {.id = 14, .name = "Web Site", .type = kUrl, .length = 80});
    db.AddField(t, {.id = 15,
                    .name = "ID/Status",
                    .type = kString,
                    .length = 20,
                    .entryRule = kListOnly,
                    .exitTrigger = R"(c:\act\macros\status_followup.mac)",
                    .initialValue = "Prospect",
                    .isIndexed = true,
                    .isSortable = true});
    db.AddField(t, {.id = 16, .name = "Referred By", .type = kString, .length = 40});
    db.AddField(
        t, {.id = 17, .name = "Last Results", .type = kString, .length = 80, .isCutHistory = true});
    db.AddField(
        t,
        {.id = 18, .name = "Annual Revenue", .type = kCurrency, .length = 12, .decimalPlaces = 2});
    db.AddField(t, {.id = 19,
                    .name = "Create Date",
                    .type = kTimeStamp,
                    .length = 19,
                    .entryRule = kProtected,
                    .isBlockSync = true});
    db.AddField(t, {.id = 20,
                    .name = "Edit Date",
                    .type = kDate,
                    .length = 10,
                    .entryRule = kProtected,
                    .isBlockSync = true});
    db.AddField(t, {.id = 21,
                    .name = "Record Manager",
                    .type = kString,
                    .length = 40,
                    .entryRule = kProtected,
                    .initialValue = "Chris Miller"});
    db.AddField(t, {.id = 22, .name = "User 1", .type = kString, .length = 30});
    db.AddField(t, {.id = 23, .name = "Notes", .type = kBlob});
    db.AddField(t, {.id = 24,
                    .name = "Unique ID",
                    .type = kUniqueId,
                    .length = 38,
                    .entryRule = kProtected,
                    .isIndexed = true,
                    .isPrimary = true});

    db.AddPopupList(t, 15,
                    {{"Customer", "Has bought from us"},
                     {"Prospect", "Interested, no order yet"},
                     {"Vendor", "We buy from them"},
                     {"Former Customer", "No order for two years"},
                     {"Competitor", ""}});
    db.AddPopupList(t, 16,
                    {{"Trade show", "Met at a fair or exhibition"},
                     {"Web site", "Filled in the contact form"},
                     {"Customer referral", "Name the customer in Last Results"},
                     {"", "Unknown: ask the contact"}});
    db.AddPopupList(t, 10,
                    {{"CA", "California"},
                     {"IL", "Illinois"},
                     {"NY", "New York"},
                     {"TX", "Texas"},
                     {"WA", "Washington"}});
    // A list that was set up but never filled in.
    db.AddPopupList(t, 22, {});

    struct Contact {
        const char* id;
        const char* company;
        const char* name;
        const char* city;
        const char* state;
        const char* status;
    };
    constexpr Contact contacts[] = {
        {"C0001", "Harbor Freight Lines", "Dana Whitfield", "Seattle", "WA", "Customer"},
        {"C0002", "Blue Mesa Outfitters", "Luis Ortega", "Austin", "TX", "Customer"},
        {"C0003", "Crescent Dental Group", "Amy Chen", "San Jose", "CA", "Prospect"},
        {"C0004", "Northgate Printing", "Tom Becker", "Chicago", "IL", "Vendor"},
        {"C0005", "Evergreen Realty", "Maria Santos", "Tacoma", "WA", "Prospect"},
        {"C0006", "Summit Office Supply", "Greg Walsh", "Buffalo", "NY", "Former Customer"},
        {"C0007", "Pacific Coast Bakery", "Nina Patel", "Oakland", "CA", "Customer"},
        {"C0008", "Lone Star Logistics", "Ray Dawson", "Dallas", "TX", "Prospect"},
    };
    for (const Contact& c : contacts) {
        db.AddRecord(t, c.id,
                     {{1, c.company},
                      {2, c.name},
                      {9, c.city},
                      {10, c.state},
                      {12, "USA"},
                      {15, c.status},
                      {21, "Chris Miller"}});
    }
}

void AddGroupTable(StandInDatabaseWriter& db) {
    constexpr TableAccessor t = TableAccessor::Group;
    db.SetTableName(t, "Groups");
    db.AddField(t, {.id = 25,
                    .name = "Group Name",
                    .type = kString,
                    .length = 40,
                    .entryRule = kRequired,
                    .exitTrigger = R"(c:\act\macros\groupname.mac)",
                    .isIndexed = true,
                    .isSortable = true});
    db.AddField(t, {.id = 26, .name = "Description", .type = kString, .length = 80});
    db.AddField(
        t, {.id = 27, .name = "Group Type", .type = kString, .length = 20, .entryRule = kListOnly});
    db.AddField(t,
                {.id = 28, .name = "Phone", .type = kPhone, .length = 25, .entryTrigger = kDial});
    db.AddField(t, {.id = 29,
                    .name = "Record Manager",
                    .type = kString,
                    .length = 40,
                    .entryRule = kProtected});
    db.AddField(t, {.id = 30,
                    .name = "Create Date",
                    .type = kTimeStamp,
                    .length = 19,
                    .entryRule = kProtected});
    db.AddField(t, {.id = 31,
                    .name = "Unique ID",
                    .type = kUniqueId,
                    .length = 38,
                    .entryRule = kProtected,
                    .isIndexed = true,
                    .isPrimary = true});
    db.AddPopupList(t, 27,
                    {{"Region", "Contacts of one sales region"},
                     {"Key Accounts", "Accounts with a yearly contract"},
                     {"Campaign", "Members of a mailing campaign"}});

    db.AddRecord(t, "G0001", {{25, "West Coast"}, {27, "Region"}});
    db.AddRecord(t, "G0002", {{25, "Key Accounts"}, {27, "Key Accounts"}});
    db.AddRecord(t, "G0003", {{25, "Spring Mailing"}, {27, "Campaign"}});
    for (const char* contact : {"C0001", "C0003", "C0005", "C0007"}) {
        db.AddGroupMember("G0001", contact);
    }
    for (const char* contact : {"C0001", "C0002", "C0007"}) {
        db.AddGroupMember("G0002", contact);
    }
    for (const char* contact : {"C0003", "C0005", "C0008"}) {
        db.AddGroupMember("G0003", contact);
    }
}

void AddNoteHistoryTable(StandInDatabaseWriter& db) {
    constexpr TableAccessor t = TableAccessor::NoteHistory;
    db.SetTableName(t, "Notes/History");
    db.AddField(t, {.id = 1, .name = "Date", .type = kDate, .length = 10, .isSortable = true});
    db.AddField(t, {.id = 2, .name = "Time", .type = kTime, .length = 8});
    db.AddField(t,
                {.id = 3, .name = "Type", .type = kString, .length = 20, .entryRule = kListOnly});
    db.AddField(t, {.id = 4, .name = "Regarding", .type = kString, .length = 120});
    db.AddField(t, {.id = 5, .name = "Result", .type = kString, .length = 40});
    db.AddField(t, {.id = 6,
                    .name = "Record Manager",
                    .type = kString,
                    .length = 40,
                    .entryRule = kProtected});
    db.AddField(
        t,
        {.id = 7, .name = "Details", .type = kBlob, .exitTrigger = R"(c:\act\tools\spellchk.exe)"});
    db.AddPopupList(t, 3,
                    {{"Note", ""},
                     {"Call", "Phone call made or received"},
                     {"Meeting", "Held at the customer's or here"},
                     {"Letter", "Sent by mail"}});
    db.AddRecord(t, "N0001", {{1, "2024-03-04"}, {3, "Call"}, {4, "Follow-up on quote"}});
    db.AddRecord(t, "N0002", {{1, "2024-03-11"}, {3, "Meeting"}, {4, "Product demo"}});
    db.AddRecord(t, "N0003", {{1, "2024-03-15"}, {3, "Note"}, {4, "Wants a second offer"}});
}

void AddActivityTable(StandInDatabaseWriter& db) {
    constexpr TableAccessor t = TableAccessor::Activity;
    db.SetTableName(t, "Activities");
    db.AddField(t, {.id = 1,
                    .name = "Scheduled For",
                    .type = kDateTime,
                    .length = 19,
                    .entryRule = kRequired,
                    .isIndexed = true,
                    .isSortable = true});
    db.AddField(t,
                {.id = 2, .name = "Duration", .type = kNumeric, .length = 5, .initialValue = "30"});
    db.AddField(
        t,
        {.id = 3, .name = "Activity Type", .type = kString, .length = 20, .entryRule = kListOnly});
    db.AddField(t, {.id = 4,
                    .name = "Regarding",
                    .type = kString,
                    .length = 120,
                    .entryTrigger = R"(c:\act\macros\schedule_call.mac)"});
    db.AddField(
        t, {.id = 5, .name = "Priority", .type = kString, .length = 10, .initialValue = "Medium"});
    db.AddField(t, {.id = 6, .name = "Alarm", .type = kTime, .length = 8});
    db.AddField(t, {.id = 7, .name = "Scheduled With", .type = kString, .length = 40});
    db.AddField(t, {.id = 8,
                    .name = "Completed",
                    .type = kTimeStamp,
                    .length = 19,
                    .entryRule = kProtected,
                    .exitTrigger = R"(c:\act\macros\activity_done.mac)"});
    db.AddPopupList(
        t, 3, {{"Call", "Telephone"}, {"Meeting", "In person"}, {"To-do", "Task without a time"}});
    db.AddPopupList(t, 5, {{"High", "Today"}, {"Medium", "This week"}, {"Low", ""}});
    db.AddRecord(t, "A0001", {{1, "2024-04-02 09:30"}, {3, "Call"}, {4, "Quote for 2025"}});
    db.AddRecord(t, "A0002", {{1, "2024-04-03 14:00"}, {3, "Meeting"}, {4, "Contract review"}});
}

void AddSalesTable(StandInDatabaseWriter& db) {
    constexpr TableAccessor t = TableAccessor::Sales;
    db.SetTableName(t, "Sales Opportunities");
    db.AddField(
        t, {.id = 1, .name = "Product", .type = kString, .length = 40, .entryRule = kRequired});
    db.AddField(t, {.id = 2, .name = "Units", .type = kNumeric, .length = 6, .initialValue = "1"});
    db.AddField(
        t, {.id = 3, .name = "Unit Price", .type = kCurrency, .length = 12, .decimalPlaces = 2});
    db.AddField(t, {.id = 4,
                    .name = "Forecast Amount",
                    .type = kCurrency,
                    .length = 12,
                    .decimalPlaces = 2,
                    .exitTrigger = R"(c:\act\macros\forecast.mac)"});
    db.AddField(t, {.id = 5,
                    .name = "Stage",
                    .type = kString,
                    .length = 20,
                    .entryRule = kListOnly,
                    .entryTrigger = R"(c:\act\tools\stagehelp.exe)",
                    .isSortable = true});
    db.AddField(t, {.id = 6, .name = "Probability", .type = kNumeric, .length = 3});
    db.AddField(
        t, {.id = 7, .name = "Estimated Close", .type = kDate, .length = 10, .isSortable = true});
    db.AddField(t, {.id = 8, .name = "Competitor", .type = kString, .length = 40});
    db.AddPopupList(t, 5,
                    {{"Lead", "First contact"},
                     {"Qualified", "Budget and need confirmed"},
                     {"Proposal", "Offer sent"},
                     {"Negotiation", "Terms under discussion"},
                     {"Closed Won", ""},
                     {"Closed Lost", "Say why in Competitor"}});
    db.AddRecord(t, "S0001", {{1, "Fleet tracking"}, {4, "48000.00"}, {5, "Proposal"}});
    db.AddRecord(t, "S0002", {{1, "Route planning"}, {4, "12500.00"}, {5, "Qualified"}});
    db.AddRecord(t, "S0003", {{1, "Support contract"}, {4, "6000.00"}, {5, "Closed Won"}});
}

void AddListTable(StandInDatabaseWriter& db) {
    constexpr TableAccessor t = TableAccessor::ListTable;
    db.SetTableName(t, "Lists");
    db.AddField(t,
                {.id = 1, .name = "List Name", .type = kString, .length = 40, .isIndexed = true});
    db.AddField(t, {.id = 2, .name = "Field Name", .type = kString, .length = 40});
    db.AddField(t, {.id = 3, .name = "Item", .type = kString, .length = 60});
    db.AddField(t, {.id = 4, .name = "Description", .type = kString, .length = 80});
    db.AddField(
        t, {.id = 5, .name = "Legacy Code", .type = kNone, .length = 4, .entryRule = kUnknownRule});
}

void AddEmailTable(StandInDatabaseWriter& db) {
    constexpr TableAccessor t = TableAccessor::Email;
    db.SetTableName(t, "E-mail");
    db.AddField(t, {.id = 1, .name = "From", .type = kLowercase, .length = 60});
    db.AddField(t, {.id = 2, .name = "To", .type = kLowercase, .length = 255});
    db.AddField(t, {.id = 3, .name = "CC", .type = kLowercase, .length = 255});
    db.AddField(t, {.id = 4,
                    .name = "Subject",
                    .type = kString,
                    .length = 120,
                    .entryTrigger = R"(c:\act\tools\spellchk.exe)"});
    db.AddField(
        t, {.id = 5, .name = "Sent", .type = kDateTime, .length = 19, .entryRule = kProtected});
    db.AddField(t, {.id = 6, .name = "Body", .type = kBlob});
    db.AddField(t, {.id = 7, .name = "Attachment", .type = kBinary});
    db.AddField(
        t, {.id = 8, .name = "Folder", .type = kString, .length = 20, .initialValue = "Inbox"});
    db.AddPopupList(t, 8, {{"Inbox", ""}, {"Sent Items", ""}, {"Drafts", "Not sent yet"}});
    db.AddRecord(t, "E0001", {{1, "dana@harborfreight.example"}, {4, "Quote for 2025"}});
    db.AddRecord(t, "E0002", {{2, "amy@crescentdental.example"}, {4, "Demo appointment"}});
}

void AddUsers(StandInDatabaseWriter& db) {
    // Security: 1 administrator, 2 manager, 3 standard, 5 browse only. Access: bit mask of
    // the record types the user may edit.
    db.AddUser({std::string(kSampleUserName), "{5A1E0001-0000-4000-8000-0000000000C1}",
                std::string(kSamplePassword), 1, 255});
    db.AddUser({"Pat Jordan", "{5A1E0002-0000-4000-8000-0000000000C2}", "forecast", 2, 127});
    db.AddUser({"Sam Rivera", "{5A1E0003-0000-4000-8000-0000000000C3}", "", 3, 31});
    db.AddUser({"Front Desk", "", "", 5, 1});
}

} // namespace

void WriteSampleDatabase(const std::filesystem::path& file) {
    StandInDatabaseWriter db(file, "Sales Team");
    AddContactTable(db);
    AddGroupTable(db);
    AddNoteHistoryTable(db);
    AddActivityTable(db);
    AddSalesTable(db);
    AddListTable(db);
    AddEmailTable(db);
    AddUsers(db);
    db.Commit();
}

} // namespace veltrano::ole::standin
