#include "support/EdgeDatabase.h"

#include "platform/actole/standin/StandInDatabaseWriter.h"

namespace veltrano::testsupport {

void WriteEdgeDatabase(const std::filesystem::path& file) {
    using namespace ole::standin;
    StandInDatabaseWriter db(file, "Kunden \"S\xC3\xBC"
                                   "d\" \xE2\x80\x93 \xE6\x9D\xB1\xE4\xBA\xAC");
    db.SetTableName(TableAccessor::Contact, "Kontakte \xC3\xBC");
    db.SetTableName(TableAccessor::Sales, "Verk\xC3\xA4ufe");
    db.AddField(TableAccessor::Contact, {.id = -32768,
                                         .name = "Min ID",
                                         .type = 17,
                                         .length = -1,
                                         .entryRule = 9,
                                         .entryTrigger = "c:\\Programme\\\xC3\x9C"
                                                         "ber\tTab \"quoted\" %1",
                                         .exitTrigger = "\\\\server\\share\\run.exe /x"});
    db.AddField(TableAccessor::Contact, {.id = 32767,
                                         .name = "Max ID \xF0\x9F\x98\x80",
                                         .type = -32768,
                                         .length = 32767,
                                         .decimalPlaces = -5,
                                         .entryRule = 4,
                                         .initialValue = "Stra\xC3\x9F"
                                                         "e",
                                         .isIndexed = true,
                                         .isCutHistory = true,
                                         .isPrimary = true,
                                         .isBlockSync = true,
                                         .isSortable = true});
    db.AddField(TableAccessor::Contact, {.id = 0, .name = "", .type = 0});
    db.AddField(TableAccessor::Contact,
                {.id = 9, .name = "Corrupt list", .exitTrigger = "dial.exe", .hasPopupList = true});
    db.AddField(TableAccessor::Contact, {.id = 10, .name = "Empty list"});
    db.AddPopupList(TableAccessor::Contact, 10, {});
    db.AddField(TableAccessor::Contact, {.id = 11, .name = "Items"});
    db.AddPopupList(TableAccessor::Contact, 11,
                    {{"Gr\xC3\xBC\xC3\x9F"
                      "e",
                      "Bemerkung \xE2\x82\xAC"},
                     {"", "empty value"},
                     {"no remark", ""},
                     {"exe", "c:\\old\\a.exe"}});
    db.AddField(TableAccessor::Group, {.id = 25, .name = "Group Name", .length = 64});
    db.AddField(TableAccessor::Sales, {.id = 1,
                                       .name = "Amount",
                                       .type = 7,
                                       .decimalPlaces = 2,
                                       .entryTrigger = "c:\\old\\calc.exe"});
    db.AddUser({.name = "Ren\xC3\xA9 M\xC3\xBCller",
                .uniqueId = "U1",
                .security = -2147483647 - 1,
                .access = 2147483647});
    db.AddUser({.name = "", .uniqueId = "", .security = 0, .access = 0});
    db.AddRecord(TableAccessor::Contact, "C1", {{9, "x"}});
    db.AddRecord(TableAccessor::Contact, "C2");
    db.Commit();
}

} // namespace veltrano::testsupport
