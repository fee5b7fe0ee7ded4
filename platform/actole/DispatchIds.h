#pragma once

// The dispatch identifiers, member names and class identifiers of ACT!'s automation objects.
// Client (act/) and servers (the stand-in engine, COM later) share these, so each is written once.

#include <cstdint>
#include <string_view>

namespace veltrano::ole {

namespace classid {
// The Database class and its dispatch interface, for creating it through COM.
inline constexpr std::string_view kDatabaseClass = "{99D296F7-11CF-11D0-8680-0020AFA095EE}";
inline constexpr std::string_view kDatabaseInterface = "{99D296F6-11CF-11D0-8680-0020AFA095EE}";
inline constexpr std::string_view kApplicationProgId = "ACTOLE.APPOBJECT";
} // namespace classid

namespace dispid {
// Database
inline constexpr std::int32_t kDatabaseLoginFailed = 1101;
inline constexpr std::int32_t kDatabaseIsOpen = 1102;
inline constexpr std::int32_t kDatabaseName = 1104;
inline constexpr std::int32_t kDatabaseUsers = 1105;
inline constexpr std::int32_t kDatabaseContactTable = 1106;
inline constexpr std::int32_t kDatabaseActivityTable = 1108;
inline constexpr std::int32_t kDatabaseEmailTable = 1109;
inline constexpr std::int32_t kDatabaseGroupTable = 1110;
inline constexpr std::int32_t kDatabaseNoteHistoryTable = 1111;
inline constexpr std::int32_t kDatabaseLoginRequired = 1112;
inline constexpr std::int32_t kDatabaseClose = 1118;
inline constexpr std::int32_t kDatabaseLogin = 1120;
inline constexpr std::int32_t kDatabaseOpen = 1135;
inline constexpr std::int32_t kDatabaseFilePath = 1136;
inline constexpr std::int32_t kDatabaseSalesTable = 1147;
inline constexpr std::int32_t kDatabaseListTable = 1148;
// The stand-in's own member, which ACT! lacks: why the last Open left the database closed.
inline constexpr std::int32_t kDatabaseOpenError = 20100;

// Table
inline constexpr std::int32_t kTableName = 204;
inline constexpr std::int32_t kTableFields = 205;
inline constexpr std::int32_t kTableFieldCount = 206;
inline constexpr std::int32_t kTableRecordCount = 207;

// Fields
inline constexpr std::int32_t kFieldsLastError = 1002;
inline constexpr std::int32_t kFieldsCount = 1003;
inline constexpr std::int32_t kFieldsLength = 1005;
inline constexpr std::int32_t kFieldsType = 1006;
inline constexpr std::int32_t kFieldsName = 1007;
inline constexpr std::int32_t kFieldsInitialValue = 1008;
inline constexpr std::int32_t kFieldsIsIndexed = 1011;
inline constexpr std::int32_t kFieldsDecimalPlaces = 1012;
inline constexpr std::int32_t kFieldsIsCutHistory = 1014;
inline constexpr std::int32_t kFieldsIsPrimary = 1015;
inline constexpr std::int32_t kFieldsIsBlockSync = 1016;
inline constexpr std::int32_t kFieldsIsSortable = 1019;
inline constexpr std::int32_t kFieldsEntryTrigger = 1020;
inline constexpr std::int32_t kFieldsExitTrigger = 1021;
inline constexpr std::int32_t kFieldsPopupList = 1022;
inline constexpr std::int32_t kFieldsHasPopupList = 1023;
inline constexpr std::int32_t kFieldsFieldID = 1024;
inline constexpr std::int32_t kFieldsBeginBatch = 1028;
inline constexpr std::int32_t kFieldsEndBatch = 1029;
inline constexpr std::int32_t kFieldsEntryRule = 1030;

// PopupList
inline constexpr std::int32_t kPopupListCount = 1203;
inline constexpr std::int32_t kPopupListRemark = 1204;
inline constexpr std::int32_t kPopupListValue = 1205;

// Users
inline constexpr std::int32_t kUsersCount = 1301;
inline constexpr std::int32_t kUsersName = 1306;
inline constexpr std::int32_t kUsersAccess = 1307;
inline constexpr std::int32_t kUsersSecurity = 1308;
inline constexpr std::int32_t kUsersUniqueID = 1309;
inline constexpr std::int32_t kUsersPassword = 1318;
} // namespace dispid

namespace member {
// Members the program reaches by name rather than by dispatch identifier.
inline constexpr std::string_view kTableFields = "Fields";
inline constexpr std::string_view kPopupListPopupCount = "PopupCount";
} // namespace member

} // namespace veltrano::ole
