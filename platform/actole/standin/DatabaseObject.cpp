#include "platform/actole/DispatchIds.h"
#include "platform/actole/standin/Members.h"
#include "platform/actole/standin/Session.h"
#include "platform/actole/standin/StandInObjects.h"

namespace veltrano::ole::standin {

namespace {

namespace id = ole::dispid;

constexpr Member kMembers[] = {
    {id::kDatabaseOpen, "Open"},
    {id::kDatabaseLoginRequired, "LoginRequired"},
    {id::kDatabaseLogin, "Login"},
    {id::kDatabaseLoginFailed, "LoginFailed"},
    {id::kDatabaseIsOpen, "IsOpen"},
    {id::kDatabaseClose, "Close"},
    {id::kDatabaseFilePath, "FilePath"},
    {id::kDatabaseName, "Name"},
    {id::kDatabaseContactTable, "ContactTable"},
    {id::kDatabaseGroupTable, "GroupTable"},
    {id::kDatabaseNoteHistoryTable, "NoteHistoryTable"},
    {id::kDatabaseActivityTable, "ActivityTable"},
    {id::kDatabaseSalesTable, "SalesTable"},
    {id::kDatabaseListTable, "ListTable"},
    {id::kDatabaseEmailTable, "EmailTable"},
    {id::kDatabaseUsers, "Users"},
    {id::kDatabaseOpenError, "OpenError"},
};

} // namespace

DatabaseObject::DatabaseObject(std::shared_ptr<Session> session) : session_(std::move(session)) {}

DatabaseObject::~DatabaseObject() {
    session_->Close();
}

Variant DatabaseObject::InvokeByName(std::string_view name, InvokeKind kind,
                                     std::span<const Variant> args) {
    return Invoke(DispidOfName(kMembers, name), kind, args);
}

Variant DatabaseObject::TableObjectOf(TableAccessor table) {
    session_->RequireOpen(session_->Generation());
    return Variant(DispatchPtr(std::make_shared<TableObject>(session_, table)));
}

Variant DatabaseObject::Invoke(std::int32_t dispid, InvokeKind kind,
                               std::span<const Variant> args) {
    CheckCall(kMembers, dispid, kind);
    const std::size_t argumentCount = dispid == id::kDatabaseOpen    ? 1
                                      : dispid == id::kDatabaseLogin ? 2
                                                                     : 0;
    CheckArgumentCount(args, argumentCount);
    Session& session = *session_;
    switch (dispid) {
    case id::kDatabaseOpen:
        session.Open(StringArgument(args, 0));
        return {};
    case id::kDatabaseLoginRequired:
        return session.LoginRequired();
    case id::kDatabaseLogin:
        session.Login(StringArgument(args, 0), StringArgument(args, 1));
        return {};
    case id::kDatabaseLoginFailed:
        return session.LoginFailed();
    case id::kDatabaseIsOpen:
        return session.IsOpen();
    case id::kDatabaseOpenError:
        return session.OpenError();
    case id::kDatabaseClose:
        session.Close();
        return {};
    case id::kDatabaseFilePath:
        session.RequireOpen(session.Generation());
        return session.FilePath();
    case id::kDatabaseName:
        session.RequireOpen(session.Generation());
        return session.Name();
    case id::kDatabaseContactTable:
        return TableObjectOf(TableAccessor::Contact);
    case id::kDatabaseGroupTable:
        return TableObjectOf(TableAccessor::Group);
    case id::kDatabaseNoteHistoryTable:
        return TableObjectOf(TableAccessor::NoteHistory);
    case id::kDatabaseActivityTable:
        return TableObjectOf(TableAccessor::Activity);
    case id::kDatabaseSalesTable:
        return TableObjectOf(TableAccessor::Sales);
    case id::kDatabaseListTable:
        return TableObjectOf(TableAccessor::ListTable);
    case id::kDatabaseEmailTable:
        return TableObjectOf(TableAccessor::Email);
    default: // id::kDatabaseUsers; CheckCall let only members through
        session.RequireOpen(session.Generation());
        return Variant(DispatchPtr(std::make_shared<UsersObject>(session_)));
    }
}

} // namespace veltrano::ole::standin
