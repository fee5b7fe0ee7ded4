#include "platform/actole/DispatchIds.h"
#include "platform/actole/standin/Members.h"
#include "platform/actole/standin/Session.h"
#include "platform/actole/standin/StandInObjects.h"

namespace veltrano::ole::standin {

namespace {

namespace id = ole::dispid;

constexpr Member kMembers[] = {
    {id::kFieldsCount, "Count"},
    {id::kFieldsFieldID, "FieldID"},
    {id::kFieldsName, "Name"},
    {id::kFieldsInitialValue, "InitialValue"},
    {id::kFieldsEntryTrigger, "EntryTrigger", true},
    {id::kFieldsExitTrigger, "ExitTrigger", true},
    {id::kFieldsType, "Type"},
    {id::kFieldsLength, "Length"},
    {id::kFieldsDecimalPlaces, "DecimalPlaces"},
    {id::kFieldsEntryRule, "EntryRule"},
    {id::kFieldsIsIndexed, "IsIndexed"},
    {id::kFieldsIsCutHistory, "IsCutHistory"},
    {id::kFieldsIsPrimary, "IsPrimary"},
    {id::kFieldsIsBlockSync, "IsBlockSync"},
    {id::kFieldsIsSortable, "IsSortable"},
    {id::kFieldsHasPopupList, "HasPopupList"},
    {id::kFieldsPopupList, "PopupList"},
    {id::kFieldsBeginBatch, "BeginBatch"},
    {id::kFieldsEndBatch, "EndBatch"},
    {id::kFieldsLastError, "LastError"},
};

} // namespace

FieldsObject::FieldsObject(std::shared_ptr<Session> session, TableAccessor table)
    : session_(std::move(session)), generation_(session_->Generation()), table_(table) {}

Variant FieldsObject::InvokeByName(std::string_view name, InvokeKind kind,
                                   std::span<const Variant> args) {
    return Invoke(DispidOfName(kMembers, name), kind, args);
}

Variant FieldsObject::Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) {
    CheckCall(kMembers, dispid, kind);
    session_->RequireOpen(generation_);
    switch (dispid) {
    case id::kFieldsCount:
        CheckArgumentCount(args, 0);
        return IntegerResult(session_->Table(table_).Fields().size());
    case id::kFieldsFieldID: {
        CheckArgumentCount(args, 1);
        const auto& fields = session_->Table(table_).Fields();
        return fields[PositionArgument(args, 0, fields.size())].id;
    }
    case id::kFieldsBeginBatch:
        CheckArgumentCount(args, 0);
        return session_->BeginBatch();
    case id::kFieldsEndBatch:
        CheckArgumentCount(args, 0);
        return session_->EndBatch();
    case id::kFieldsLastError:
        CheckArgumentCount(args, 0);
        return session_->LastError();
    case id::kFieldsPopupList: {
        // The second argument (always 0 from ACT!'s callers) has no meaning here.
        CheckArgumentCount(args, 1, 2);
        if (args.size() == 2) {
            IntegerArgument(args, 1);
        }
        auto entries = session_->PopupList(table_, IntegerArgument(args, 0));
        return Variant(
            DispatchPtr(std::make_shared<PopupListObject>(session_, std::move(entries))));
    }
    default:
        break;
    }
    if (kind == InvokeKind::PropertyPut) {
        CheckArgumentCount(args, 2);
        session_->WriteTrigger(table_, IntegerArgument(args, 0),
                               dispid == id::kFieldsEntryTrigger ? Trigger::Entry : Trigger::Exit,
                               StringArgument(args, 1));
        return {};
    }
    CheckArgumentCount(args, 1);
    return FieldProperty(dispid, IntegerArgument(args, 0));
}

Variant FieldsObject::FieldProperty(std::int32_t dispid, std::int16_t fieldId) {
    const FieldRecord* field = &session_->Field(table_, fieldId);
    switch (dispid) {
    case id::kFieldsName:
        return field->name;
    case id::kFieldsInitialValue:
        return field->initialValue;
    case id::kFieldsEntryTrigger:
        return field->entryTrigger;
    case id::kFieldsExitTrigger:
        return field->exitTrigger;
    case id::kFieldsType:
        return field->type;
    case id::kFieldsLength:
        return field->length;
    case id::kFieldsDecimalPlaces:
        return field->decimalPlaces;
    case id::kFieldsEntryRule:
        return field->entryRule;
    case id::kFieldsIsIndexed:
        return field->isIndexed;
    case id::kFieldsIsCutHistory:
        return field->isCutHistory;
    case id::kFieldsIsPrimary:
        return field->isPrimary;
    case id::kFieldsIsBlockSync:
        return field->isBlockSync;
    case id::kFieldsIsSortable:
        return field->isSortable;
    default: // id::kFieldsHasPopupList
        return field->hasPopupList;
    }
}

} // namespace veltrano::ole::standin
