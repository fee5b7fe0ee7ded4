#include "StandInTestSupport.h"

#include "platform/actole/Dispatch.h"

#include <functional>

namespace veltrano::ole {
namespace {

// The number of the AutomationError the call raises; a failure of the test when it raises none.
template <typename Call> std::int32_t ErrorOf(Call call) {
    return standin::test::Raised(call).Number();
}

TEST(Variant, StrictAccessorsRaise) {
    const Variant text("12");
    for (const auto& access : std::vector<std::function<void()>>{
             [&] { (void)text.AsInteger(); }, [&] { (void)text.AsLong(); },
             [&] { (void)text.AsBool(); }, [] { (void)Variant(true).AsString(); },
             [] { (void)Variant(std::int16_t{1}).AsBool(); }, [] { (void)Variant().AsString(); }}) {
        EXPECT_EQ(ErrorOf(access), errors::kTypeMismatch);
    }
    EXPECT_EQ(standin::test::Raised([] { (void)Variant(std::int32_t{0}).AsBool(); }).Description(),
              "Type mismatch");
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
