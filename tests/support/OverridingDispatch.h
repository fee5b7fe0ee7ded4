#pragma once

// An automation object that passes every call on, except the members a test answers itself
// (as an ACT! that fails or misreports would).

#include "platform/actole/AutomationError.h"
#include "platform/actole/Dispatch.h"

#include <functional>
#include <map>

namespace veltrano::testsupport {

class OverridingDispatch final : public ole::Dispatch {
public:
    using Override = std::function<ole::Variant(std::span<const ole::Variant>, ole::Dispatch&)>;

    OverridingDispatch(ole::DispatchPtr inner, std::map<std::int32_t, Override> overrides)
        : inner_(std::move(inner)), overrides_(std::move(overrides)) {}

    ole::Variant Invoke(std::int32_t dispid, ole::InvokeKind kind,
                        std::span<const ole::Variant> args) override {
        const auto found = overrides_.find(dispid);
        return found == overrides_.end() ? inner_->Invoke(dispid, kind, args)
                                         : found->second(args, *inner_);
    }
    ole::Variant InvokeByName(std::string_view name, ole::InvokeKind kind,
                              std::span<const ole::Variant> args) override {
        return inner_->InvokeByName(name, kind, args);
    }

private:
    ole::DispatchPtr inner_;
    std::map<std::int32_t, Override> overrides_;
};

// An override that raises the automation error.
inline OverridingDispatch::Override Raising(std::int32_t number, std::string description) {
    return [=](auto, ole::Dispatch&) -> ole::Variant {
        throw ole::AutomationError(number, description);
    };
}

} // namespace veltrano::testsupport
