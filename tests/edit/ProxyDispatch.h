#pragma once

// An automation object that passes every call on to a real one, wraps the objects it returns
// the same way, and logs each call; single dispatch identifiers can be answered differently to
// reach paths the stand-in does not take.

#include "platform/actole/Dispatch.h"

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace veltrano::testsupport {

struct ProxyCall {
    std::int32_t dispid = 0; // 0 for a call by name
    std::string name;
    ole::InvokeKind kind{};
    std::vector<ole::Variant> args;
};

struct ProxyScript {
    using Override = std::function<ole::Variant(std::span<const ole::Variant>, ole::Dispatch&)>;
    std::map<std::int32_t, Override> overrides;
    std::vector<ProxyCall> calls;
};

class ProxyDispatch final : public ole::Dispatch {
public:
    ProxyDispatch(ole::DispatchPtr inner, std::shared_ptr<ProxyScript> script)
        : inner_(std::move(inner)), script_(std::move(script)) {}

    ole::Variant Invoke(std::int32_t dispid, ole::InvokeKind kind,
                        std::span<const ole::Variant> args) override {
        script_->calls.push_back({dispid, {}, kind, {args.begin(), args.end()}});
        const auto found = script_->overrides.find(dispid);
        return Wrap(found == script_->overrides.end() ? inner_->Invoke(dispid, kind, args)
                                                      : found->second(args, *inner_));
    }
    ole::Variant InvokeByName(std::string_view name, ole::InvokeKind kind,
                              std::span<const ole::Variant> args) override {
        script_->calls.push_back({0, std::string(name), kind, {args.begin(), args.end()}});
        return Wrap(inner_->InvokeByName(name, kind, args));
    }

private:
    ole::Variant Wrap(ole::Variant value) const {
        if (value.GetType() == ole::Variant::Type::Object && value.AsObject()) {
            return ole::Variant(
                ole::DispatchPtr(std::make_shared<ProxyDispatch>(value.AsObject(), script_)));
        }
        return value;
    }

    ole::DispatchPtr inner_;
    std::shared_ptr<ProxyScript> script_;
};

} // namespace veltrano::testsupport
