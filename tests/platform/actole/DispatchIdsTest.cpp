#include "platform/actole/DispatchIds.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using namespace veltrano::ole;

// The automation interface as ACT! publishes it, written out as literals: client and stand-in
// share the constants, so only this table can catch a wrong one.
TEST(DispatchIdsTest, EveryIdentifierIsTheOneActPublishes) {
    const std::vector<std::pair<std::int32_t, std::int32_t>> pinned = {
        {dispid::kDatabaseOpen, 1135},
        {dispid::kDatabaseLoginRequired, 1112},
        {dispid::kDatabaseLogin, 1120},
        {dispid::kDatabaseLoginFailed, 1101},
        {dispid::kDatabaseIsOpen, 1102},
        {dispid::kDatabaseClose, 1118},
        {dispid::kDatabaseFilePath, 1136},
        {dispid::kDatabaseName, 1104},
        {dispid::kDatabaseContactTable, 1106},
        {dispid::kDatabaseGroupTable, 1110},
        {dispid::kDatabaseNoteHistoryTable, 1111},
        {dispid::kDatabaseActivityTable, 1108},
        {dispid::kDatabaseSalesTable, 1147},
        {dispid::kDatabaseListTable, 1148},
        {dispid::kDatabaseEmailTable, 1109},
        {dispid::kDatabaseUsers, 1105},
        {dispid::kTableName, 204},
        {dispid::kTableFields, 205},
        {dispid::kTableFieldCount, 206},
        {dispid::kTableRecordCount, 207},
        {dispid::kFieldsCount, 1003},
        {dispid::kFieldsFieldID, 1024},
        {dispid::kFieldsName, 1007},
        {dispid::kFieldsInitialValue, 1008},
        {dispid::kFieldsEntryTrigger, 1020},
        {dispid::kFieldsExitTrigger, 1021},
        {dispid::kFieldsType, 1006},
        {dispid::kFieldsLength, 1005},
        {dispid::kFieldsDecimalPlaces, 1012},
        {dispid::kFieldsEntryRule, 1030},
        {dispid::kFieldsIsIndexed, 1011},
        {dispid::kFieldsIsCutHistory, 1014},
        {dispid::kFieldsIsPrimary, 1015},
        {dispid::kFieldsIsBlockSync, 1016},
        {dispid::kFieldsIsSortable, 1019},
        {dispid::kFieldsHasPopupList, 1023},
        {dispid::kFieldsPopupList, 1022},
        {dispid::kFieldsBeginBatch, 1028},
        {dispid::kFieldsEndBatch, 1029},
        {dispid::kFieldsLastError, 1002},
        {dispid::kPopupListCount, 1203},
        {dispid::kPopupListValue, 1205},
        {dispid::kPopupListRemark, 1204},
        {dispid::kUsersCount, 1301},
        {dispid::kUsersName, 1306},
        {dispid::kUsersUniqueID, 1309},
        {dispid::kUsersPassword, 1318},
        {dispid::kUsersSecurity, 1308},
        {dispid::kUsersAccess, 1307},
    };
    for (const auto& [constant, published] : pinned) {
        EXPECT_EQ(constant, published);
    }

    // The class and the ProgID: the registry keys in com/RegistrationTest.
    EXPECT_EQ(classid::kDatabaseInterface, "{99D296F6-11CF-11D0-8680-0020AFA095EE}");
    EXPECT_EQ(member::kTableFields, "Fields");
    EXPECT_EQ(member::kPopupListPopupCount, "PopupCount");
}

} // namespace
