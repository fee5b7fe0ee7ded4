#include "platform/actole/DispatchIds.h"
#include "platform/actole/standin/Members.h"
#include "platform/actole/standin/Session.h"
#include "platform/actole/standin/StandInObjects.h"

namespace veltrano::ole::standin {

namespace {

namespace id = ole::dispid;

// PopupCount is reached by name only; this identifier is the stand-in's own.
constexpr std::int32_t kPopupCount = 1290;

constexpr Member kMembers[] = {
    {kPopupCount, ole::member::kPopupListPopupCount},
    {id::kPopupListCount, "Count"},
    {id::kPopupListValue, "Value"},
    {id::kPopupListRemark, "Remark"},
};

} // namespace

PopupListObject::PopupListObject(std::shared_ptr<Session> session,
                                 std::shared_ptr<const std::vector<PopupEntry>> entries)
    : session_(std::move(session)), generation_(session_->Generation()),
      entries_(std::move(entries)) {}

Variant PopupListObject::InvokeByName(std::string_view name, InvokeKind kind,
                                      std::span<const Variant> args) {
    return Invoke(DispidOfName(kMembers, name), kind, args);
}

Variant PopupListObject::Invoke(std::int32_t dispid, InvokeKind kind,
                                std::span<const Variant> args) {
    CheckCall(kMembers, dispid, kind);
    session_->RequireOpen(generation_);
    switch (dispid) {
    case kPopupCount:
        CheckArgumentCount(args, 0);
        return static_cast<std::int32_t>(entries_->size());
    case id::kPopupListCount:
        CheckArgumentCount(args, 0);
        return IntegerResult(entries_->size());
    case id::kPopupListValue:
        CheckArgumentCount(args, 1);
        return (*entries_)[PositionArgument(args, 0, entries_->size())].value;
    default: // id::kPopupListRemark
        CheckArgumentCount(args, 1);
        return (*entries_)[PositionArgument(args, 0, entries_->size())].remark;
    }
}

} // namespace veltrano::ole::standin
