#include "platform/actole/DispatchIds.h"
#include "platform/actole/standin/Members.h"
#include "platform/actole/standin/Session.h"
#include "platform/actole/standin/StandInObjects.h"

namespace veltrano::ole::standin {

namespace {

namespace id = ole::dispid;

constexpr Member kMembers[] = {
    {id::kUsersCount, "Count"},       {id::kUsersName, "Name"},
    {id::kUsersUniqueID, "UniqueID"}, {id::kUsersPassword, "Password"},
    {id::kUsersSecurity, "Security"}, {id::kUsersAccess, "Access"},
};

} // namespace

UsersObject::UsersObject(std::shared_ptr<Session> session)
    : session_(std::move(session)), generation_(session_->Generation()), users_(session_->Users()) {
}

Variant UsersObject::InvokeByName(std::string_view name, InvokeKind kind,
                                  std::span<const Variant> args) {
    return Invoke(DispidOfName(kMembers, name), kind, args);
}

Variant UsersObject::Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) {
    CheckCall(kMembers, dispid, kind);
    session_->RequireOpen(generation_);
    if (dispid == id::kUsersCount) {
        CheckArgumentCount(args, 0);
        return IntegerResult(users_->size());
    }
    CheckArgumentCount(args, 1);
    const UserRecord& user = (*users_)[PositionArgument(args, 0, users_->size())];
    switch (dispid) {
    case id::kUsersName:
        return user.name;
    case id::kUsersUniqueID:
        return user.uniqueId;
    case id::kUsersPassword:
        return user.password;
    case id::kUsersSecurity:
        return user.security;
    default: // id::kUsersAccess
        return user.access;
    }
}

} // namespace veltrano::ole::standin
