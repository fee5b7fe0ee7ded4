#include "act/ActObjects.h"
#include "act/DispatchIds.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/Dispatch.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltrano::ole {
namespace {

template <typename Call> void ExpectAutomationError(std::int32_t number, Call call) {
    try {
        call();
        ADD_FAILURE() << "no AutomationError";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.Number(), number) << error.Description();
    }
}

TEST(Variant, StrictAccessorsRaiseTypeMismatch) {
    const Variant text("12");
    ExpectAutomationError(errors::kTypeMismatch, [&] { (void)text.AsInteger(); });
    ExpectAutomationError(errors::kTypeMismatch, [&] { (void)text.AsLong(); });
    ExpectAutomationError(errors::kTypeMismatch, [&] { (void)text.AsBool(); });
    ExpectAutomationError(errors::kTypeMismatch, [&] { (void)Variant(true).AsString(); });
    ExpectAutomationError(errors::kTypeMismatch, [&] { (void)Variant(std::int16_t{1}).AsBool(); });
    ExpectAutomationError(errors::kTypeMismatch, [&] { (void)Variant().AsString(); });
    try {
        (void)Variant(std::int32_t{0}).AsBool();
        FAIL();
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.Description(), "Type mismatch");
    }
}

TEST(Variant, IntegerAndLongConvertWithinRange) {
    EXPECT_EQ(Variant(std::int16_t{-7}).AsLong(), -7);
    EXPECT_EQ(Variant(std::int32_t{32767}).AsInteger(), 32767);
    EXPECT_EQ(Variant(std::int32_t{-32768}).AsInteger(), -32768);
    ExpectAutomationError(errors::kOverflow,
                          [] { (void)Variant(std::int32_t{32768}).AsInteger(); });
    ExpectAutomationError(errors::kOverflow,
                          [] { (void)Variant(std::int32_t{-32769}).AsInteger(); });
    EXPECT_EQ(Variant(std::int16_t{5}).GetType(), Variant::Type::Integer);
    EXPECT_EQ(Variant(std::int32_t{5}).GetType(), Variant::Type::Long);
    EXPECT_NE(Variant(std::int16_t{5}), Variant(std::int32_t{5}));
}

TEST(Variant, AsObjectRequiresAnObject) {
    ExpectAutomationError(errors::kObjectRequired, [] { (void)Variant().AsObject(); });
    ExpectAutomationError(errors::kObjectRequired, [] { (void)Variant(DispatchPtr()).AsObject(); });
    ExpectAutomationError(errors::kObjectRequired, [] { (void)Variant("x").AsObject(); });
}

TEST(Variant, ToTextShowsValuesAsText) {
    EXPECT_EQ(Variant().ToText(), "");
    EXPECT_EQ(Variant(true).ToText(), "True");
    EXPECT_EQ(Variant(false).ToText(), "False");
    EXPECT_EQ(Variant(std::int16_t{-32768}).ToText(), "-32768");
    EXPECT_EQ(Variant(std::int32_t{2147483647}).ToText(), "2147483647");
    EXPECT_EQ(Variant("Gruppe").ToText(), "Gruppe");
    EXPECT_STREQ(TypeName(Variant::Type::Long), "Long");
    EXPECT_STREQ(TypeName(Variant("").GetType()), "String");
}

// Records every call and answers with a preset value.
class RecordingDispatch final : public Dispatch {
public:
    struct Call {
        std::int32_t dispid;
        std::string name;
        InvokeKind kind;
        std::vector<Variant> args;
    };
    std::vector<Call> calls;
    Variant answer;

    Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) override {
        calls.push_back({dispid, {}, kind, {args.begin(), args.end()}});
        return answer;
    }
    Variant InvokeByName(std::string_view name, InvokeKind kind,
                         std::span<const Variant> args) override {
        calls.push_back({0, std::string(name), kind, {args.begin(), args.end()}});
        return answer;
    }
};

TEST(TypedOperations, SendDispatchIdentifiersWithIntegerArguments) {
    auto server = std::make_shared<RecordingDispatch>();
    act::Fields fields(server);

    server->answer = std::int16_t{25};
    EXPECT_EQ(fields.FieldID(3), 25);
    ASSERT_EQ(server->calls.size(), 1U);
    EXPECT_EQ(server->calls[0].dispid, 1024);
    EXPECT_EQ(server->calls[0].kind, InvokeKind::PropertyGet);
    EXPECT_EQ(server->calls[0].args, std::vector<Variant>{Variant(std::int16_t{3})});

    fields.SetExitTrigger(7, "x.mac");
    EXPECT_EQ(server->calls[1].dispid, 1021);
    EXPECT_EQ(server->calls[1].kind, InvokeKind::PropertyPut);
    EXPECT_EQ(server->calls[1].args,
              (std::vector<Variant>{Variant(std::int16_t{7}), Variant("x.mac")}));

    server->answer = DispatchPtr(server);
    (void)fields.GetPopupList(9);
    EXPECT_EQ(server->calls[2].dispid, 1022);
    EXPECT_EQ(server->calls[2].args,
              (std::vector<Variant>{Variant(std::int16_t{9}), Variant(std::int16_t{0})}));

    server->answer = true;
    EXPECT_TRUE(fields.BeginBatch());
    EXPECT_EQ(server->calls[3].dispid, 1028);
    EXPECT_EQ(server->calls[3].kind, InvokeKind::Method);
}

TEST(TypedOperations, ReachNamedMembersByName) {
    auto server = std::make_shared<RecordingDispatch>();
    server->answer = DispatchPtr(server);
    (void)act::Table(server).GetFieldsByName();
    server->answer = std::int32_t{501};
    EXPECT_EQ(act::PopupList(server).PopupCountText(), "501");
    ASSERT_EQ(server->calls.size(), 2U);
    EXPECT_EQ(server->calls[0].name, "Fields");
    EXPECT_EQ(server->calls[1].name, "PopupCount");
}

TEST(TypedOperations, CheckResultTypes) {
    auto server = std::make_shared<RecordingDispatch>();
    server->answer = "not a number";
    ExpectAutomationError(errors::kTypeMismatch, [&] { (void)act::Users(server).Security(0); });
    server->answer = std::int32_t{40000};
    ExpectAutomationError(errors::kOverflow, [&] { (void)act::Fields(server).Count(); });
    EXPECT_EQ(act::Users(server).Access(0), 40000);
    server->answer = Variant();
    ExpectAutomationError(errors::kObjectRequired, [&] { (void)act::Database(server).GetUsers(); });
}

TEST(TypedOperations, ReleasedObjectRaises) {
    act::Database db;
    ExpectAutomationError(errors::kObjectVariableNotSet, [&] { (void)db.IsOpen(); });
}

} // namespace
} // namespace veltrano::ole
