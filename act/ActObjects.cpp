#include "act/ActObjects.h"

#include "platform/actole/AutomationError.h"
#include "platform/actole/DispatchIds.h"

namespace veltrano::act {

namespace {

namespace dispid = ole::dispid;
namespace member = ole::member;
using ole::Variant;

// Calling a member of an object that was never created or already released.
ole::Dispatch& Target(const DispatchPtr& object) {
    if (!object) {
        throw ole::AutomationError(ole::errors::kObjectVariableNotSet,
                                   "Object variable or With block variable not set");
    }
    return *object;
}

Variant Get(const DispatchPtr& object, std::int32_t id, std::initializer_list<Variant> args = {}) {
    return Target(object).Get(id, args);
}

Variant Call(const DispatchPtr& object, std::int32_t id, std::initializer_list<Variant> args = {}) {
    return Target(object).Call(id, args);
}

// Field IDs and positions travel as 16-bit Integers.
Variant Int(std::int16_t value) {
    return Variant(value);
}

} // namespace

// Database

void Database::Open(const std::string& path) {
    Call(object_, dispid::kDatabaseOpen, {path});
}

bool Database::LoginRequired() {
    return Get(object_, dispid::kDatabaseLoginRequired).AsBool();
}

void Database::Login(const std::string& userName, const std::string& password) {
    Call(object_, dispid::kDatabaseLogin, {userName, password});
}

bool Database::LoginFailed() {
    return Get(object_, dispid::kDatabaseLoginFailed).AsBool();
}

bool Database::IsOpen() {
    return Get(object_, dispid::kDatabaseIsOpen).AsBool();
}

void Database::Close() {
    Call(object_, dispid::kDatabaseClose);
}

std::string Database::FilePath() {
    return Get(object_, dispid::kDatabaseFilePath).AsString();
}

std::string Database::OpenError() noexcept {
    try {
        return Get(object_, dispid::kDatabaseOpenError).AsString();
    } catch (...) {
        return {};
    }
}

std::string Database::Name() {
    return Get(object_, dispid::kDatabaseName).AsString();
}

Table Database::ContactTable() {
    return Table(Get(object_, dispid::kDatabaseContactTable).AsObject());
}

Table Database::GroupTable() {
    return Table(Get(object_, dispid::kDatabaseGroupTable).AsObject());
}

Table Database::NoteHistoryTable() {
    return Table(Get(object_, dispid::kDatabaseNoteHistoryTable).AsObject());
}

Table Database::ActivityTable() {
    return Table(Get(object_, dispid::kDatabaseActivityTable).AsObject());
}

Table Database::SalesTable() {
    return Table(Get(object_, dispid::kDatabaseSalesTable).AsObject());
}

Table Database::ListTable() {
    return Table(Get(object_, dispid::kDatabaseListTable).AsObject());
}

Table Database::EmailTable() {
    return Table(Get(object_, dispid::kDatabaseEmailTable).AsObject());
}

Users Database::GetUsers() {
    return Users(Get(object_, dispid::kDatabaseUsers).AsObject());
}

// Table

std::string Table::Name() {
    return Get(object_, dispid::kTableName).AsString();
}

Fields Table::GetFields() {
    return Fields(Get(object_, dispid::kTableFields).AsObject());
}

Fields Table::GetFieldsByName() {
    return Fields(Target(object_).GetByName(member::kTableFields).AsObject());
}

std::int16_t Table::FieldCount() {
    return Get(object_, dispid::kTableFieldCount).AsInteger();
}

std::int32_t Table::RecordCount() {
    return Get(object_, dispid::kTableRecordCount).AsLong();
}

// Fields

std::int16_t Fields::Count() {
    return Get(object_, dispid::kFieldsCount).AsInteger();
}

std::int16_t Fields::FieldID(std::int16_t position) {
    return Get(object_, dispid::kFieldsFieldID, {Int(position)}).AsInteger();
}

std::string Fields::Name(std::int16_t id) {
    return Get(object_, dispid::kFieldsName, {Int(id)}).AsString();
}

std::string Fields::InitialValue(std::int16_t id) {
    return Get(object_, dispid::kFieldsInitialValue, {Int(id)}).AsString();
}

std::string Fields::EntryTrigger(std::int16_t id) {
    return Get(object_, dispid::kFieldsEntryTrigger, {Int(id)}).AsString();
}

std::string Fields::ExitTrigger(std::int16_t id) {
    return Get(object_, dispid::kFieldsExitTrigger, {Int(id)}).AsString();
}

void Fields::SetEntryTrigger(std::int16_t id, const std::string& text) {
    Target(object_).Put(dispid::kFieldsEntryTrigger, {Int(id), text});
}

void Fields::SetExitTrigger(std::int16_t id, const std::string& text) {
    Target(object_).Put(dispid::kFieldsExitTrigger, {Int(id), text});
}

std::int16_t Fields::Type(std::int16_t id) {
    return Get(object_, dispid::kFieldsType, {Int(id)}).AsInteger();
}

std::int16_t Fields::Length(std::int16_t id) {
    return Get(object_, dispid::kFieldsLength, {Int(id)}).AsInteger();
}

std::int16_t Fields::DecimalPlaces(std::int16_t id) {
    return Get(object_, dispid::kFieldsDecimalPlaces, {Int(id)}).AsInteger();
}

std::int16_t Fields::EntryRule(std::int16_t id) {
    return Get(object_, dispid::kFieldsEntryRule, {Int(id)}).AsInteger();
}

bool Fields::IsIndexed(std::int16_t id) {
    return Get(object_, dispid::kFieldsIsIndexed, {Int(id)}).AsBool();
}

bool Fields::IsCutHistory(std::int16_t id) {
    return Get(object_, dispid::kFieldsIsCutHistory, {Int(id)}).AsBool();
}

bool Fields::IsPrimary(std::int16_t id) {
    return Get(object_, dispid::kFieldsIsPrimary, {Int(id)}).AsBool();
}

bool Fields::IsBlockSync(std::int16_t id) {
    return Get(object_, dispid::kFieldsIsBlockSync, {Int(id)}).AsBool();
}

bool Fields::IsSortable(std::int16_t id) {
    return Get(object_, dispid::kFieldsIsSortable, {Int(id)}).AsBool();
}

bool Fields::HasPopupList(std::int16_t id) {
    return Get(object_, dispid::kFieldsHasPopupList, {Int(id)}).AsBool();
}

PopupList Fields::GetPopupList(std::int16_t id, std::int16_t zero) {
    return PopupList(Get(object_, dispid::kFieldsPopupList, {Int(id), Int(zero)}).AsObject());
}

bool Fields::BeginBatch() {
    return Call(object_, dispid::kFieldsBeginBatch).AsBool();
}

bool Fields::EndBatch() {
    return Call(object_, dispid::kFieldsEndBatch).AsBool();
}

std::int16_t Fields::LastError() {
    return Get(object_, dispid::kFieldsLastError).AsInteger();
}

// PopupList

std::string PopupList::PopupCountText() {
    return Target(object_).GetByName(member::kPopupListPopupCount).ToText();
}

std::int16_t PopupList::Count() {
    return Get(object_, dispid::kPopupListCount).AsInteger();
}

std::string PopupList::Value(std::int16_t position) {
    return Get(object_, dispid::kPopupListValue, {Int(position)}).AsString();
}

std::string PopupList::Remark(std::int16_t position) {
    return Get(object_, dispid::kPopupListRemark, {Int(position)}).AsString();
}

// Users

std::int16_t Users::Count() {
    return Get(object_, dispid::kUsersCount).AsInteger();
}

std::string Users::Name(std::int16_t position) {
    return Get(object_, dispid::kUsersName, {Int(position)}).AsString();
}

std::string Users::UniqueID(std::int16_t position) {
    return Get(object_, dispid::kUsersUniqueID, {Int(position)}).AsString();
}

std::string Users::Password(std::int16_t position) {
    return Get(object_, dispid::kUsersPassword, {Int(position)}).AsString();
}

std::int32_t Users::Security(std::int16_t position) {
    return Get(object_, dispid::kUsersSecurity, {Int(position)}).AsLong();
}

std::int32_t Users::Access(std::int16_t position) {
    return Get(object_, dispid::kUsersAccess, {Int(position)}).AsLong();
}

} // namespace veltrano::act
