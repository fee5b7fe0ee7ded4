#include "platform/actole/DispatchIds.h"
#include "platform/actole/standin/Members.h"
#include "platform/actole/standin/Session.h"
#include "platform/actole/standin/StandInErrors.h"
#include "platform/actole/standin/StandInObjects.h"

#include <limits>

namespace veltrano::ole::standin {

namespace {

namespace id = ole::dispid;

constexpr Member kMembers[] = {
    {id::kTableName, "Name"},
    {id::kTableFields, ole::member::kTableFields},
    {id::kTableFieldCount, "FieldCount"},
    {id::kTableRecordCount, "RecordCount"},
};

} // namespace

TableObject::TableObject(std::shared_ptr<Session> session, TableAccessor table)
    : session_(std::move(session)), generation_(session_->Generation()), table_(table) {}

Variant TableObject::InvokeByName(std::string_view name, InvokeKind kind,
                                  std::span<const Variant> args) {
    return Invoke(DispidOfName(kMembers, name), kind, args);
}

Variant TableObject::Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) {
    CheckCall(kMembers, dispid, kind);
    CheckArgumentCount(args, 0);
    session_->RequireOpen(generation_);
    switch (dispid) {
    case id::kTableName:
        return session_->Table(table_).Name();
    case id::kTableFields:
        return Variant(DispatchPtr(std::make_shared<FieldsObject>(session_, table_)));
    case id::kTableFieldCount:
        return IntegerResult(session_->Table(table_).Fields().size());
    default: { // id::kTableRecordCount
        const std::int64_t count = session_->RecordCount(table_);
        if (count > std::numeric_limits<std::int32_t>::max()) {
            throw AutomationError(errors::kOverflow, "Overflow");
        }
        return Variant(static_cast<std::int32_t>(count));
    }
    }
}

} // namespace veltrano::ole::standin
