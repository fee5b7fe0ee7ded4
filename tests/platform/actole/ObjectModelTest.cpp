#include "act/ActObjects.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/Dispatch.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltrano::ole {
namespace {

// The number of the AutomationError the call raises; 0 when it raises none.
template <typename Call> std::int32_t ErrorOf(Call call) {
    try {
        call();
    } catch (const AutomationError& error) {
        return error.Number();
    }
    return 0;
}

TEST(Variant, StrictAccessorsRaise) {
    const Variant text("12");
    EXPECT_EQ(ErrorOf([&] { (void)text.AsInteger(); }), errors::kTypeMismatch);
    EXPECT_EQ(ErrorOf([&] { (void)text.AsLong(); }), errors::kTypeMismatch);
    EXPECT_EQ(ErrorOf([&] { (void)text.AsBool(); }), errors::kTypeMismatch);
    EXPECT_EQ(ErrorOf([&] { (void)Variant(true).AsString(); }), errors::kTypeMismatch);
    EXPECT_EQ(ErrorOf([&] { (void)Variant(std::int16_t{1}).AsBool(); }), errors::kTypeMismatch);
    EXPECT_EQ(ErrorOf([&] { (void)Variant().AsString(); }), errors::kTypeMismatch);
    try {
        (void)Variant(std::int32_t{0}).AsBool();
        FAIL();
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.Description(), "Type mismatch");
    }
    for (const Variant& notAnObject : {Variant(), Variant(DispatchPtr()), Variant("x")}) {
        EXPECT_EQ(ErrorOf([&] { (void)notAnObject.AsObject(); }), errors::kObjectRequired);
    }
}

TEST(Variant, IntegerAndLongConvertWithinRange) {
    EXPECT_EQ(Variant(std::int16_t{-7}).AsLong(), -7);
    EXPECT_EQ(Variant(std::int32_t{32767}).AsInteger(), 32767);
    EXPECT_EQ(Variant(std::int32_t{-32768}).AsInteger(), -32768);
    EXPECT_EQ(ErrorOf([] { (void)Variant(std::int32_t{32768}).AsInteger(); }), errors::kOverflow);
    EXPECT_EQ(ErrorOf([] { (void)Variant(std::int32_t{-32769}).AsInteger(); }), errors::kOverflow);
    EXPECT_NE(Variant(std::int16_t{5}), Variant(std::int32_t{5}));
}

TEST(Variant, ToTextShowsValuesAsText) {
    EXPECT_EQ(Variant().ToText(), "");
    EXPECT_EQ(Variant(true).ToText(), "True");
    EXPECT_EQ(Variant(false).ToText(), "False");
    EXPECT_EQ(Variant(std::int16_t{-32768}).ToText(), "-32768");
    EXPECT_EQ(Variant(std::int32_t{2147483647}).ToText(), "2147483647");
    EXPECT_EQ(Variant("Gruppe").ToText(), "Gruppe");
}

// Answers every call with a preset value.
class AnsweringDispatch final : public Dispatch {
public:
    Variant answer;

    Variant Invoke(std::int32_t, InvokeKind, std::span<const Variant>) override { return answer; }
    Variant InvokeByName(std::string_view, InvokeKind, std::span<const Variant>) override {
        return answer;
    }
};

TEST(TypedOperations, CheckResultTypes) {
    auto server = std::make_shared<AnsweringDispatch>();
    server->answer = "not a number";
    EXPECT_EQ(ErrorOf([&] { (void)act::Users(server).Security(0); }), errors::kTypeMismatch);
    server->answer = std::int32_t{40000};
    EXPECT_EQ(ErrorOf([&] { (void)act::Fields(server).Count(); }), errors::kOverflow);
    EXPECT_EQ(act::Users(server).Access(0), 40000);
    server->answer = Variant();
    EXPECT_EQ(ErrorOf([&] { (void)act::Database(server).GetUsers(); }), errors::kObjectRequired);
    EXPECT_EQ(ErrorOf([] { (void)act::Database().IsOpen(); }), errors::kObjectVariableNotSet);
}

} // namespace
} // namespace veltrano::ole
