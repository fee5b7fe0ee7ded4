#include "platform/actole/standin/com/AppObject.h"

#include "platform/actole/AutomationError.h"

namespace veltrano::ole::standin::com {

namespace {

wire::Value WireValueOf(const Variant& value) {
    if (auto scalar = wire::ScalarValue(value)) {
        return std::move(*scalar);
    }
    // No member of the application takes an object.
    throw AutomationError(errors::kTypeMismatch, "Type mismatch");
}

} // namespace

AppObject::AppObject(std::shared_ptr<AppModel> model, std::uint32_t id)
    : model_(std::move(model)), id_(id) {}

Variant AppObject::Invoke(std::int32_t, InvokeKind, std::span<const Variant>) {
    throw AutomationError(errors::kMemberNotFound,
                          "Object doesn't support this property or method");
}

Variant AppObject::InvokeByName(std::string_view name, InvokeKind kind,
                                std::span<const Variant> args) {
    wire::Request request{id_, kind, std::string(name), {}};
    for (const Variant& arg : args) {
        request.arguments.push_back(WireValueOf(arg));
    }
    const wire::Reply reply = model_->Handle(request);
    if (const auto* error = std::get_if<wire::ErrorReply>(&reply)) {
        throw AutomationError(error->number, error->description);
    }
    return std::visit(
        [this](const auto& value) -> Variant {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return {};
            } else if constexpr (std::is_same_v<T, wire::ObjectId>) {
                if (value.id == 0) {
                    return Variant(DispatchPtr{});
                }
                return Variant(DispatchPtr(std::make_shared<AppObject>(model_, value.id)));
            } else {
                return Variant(value);
            }
        },
        std::get<wire::Value>(reply));
}

} // namespace veltrano::ole::standin::com
