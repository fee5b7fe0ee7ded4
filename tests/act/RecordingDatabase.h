#pragma once

// A Database object that passes every call on to a real one and writes it to a log; single
// members can be answered differently to reach paths a real database does not take.

#include "platform/actole/Dispatch.h"

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <vector>

namespace veltrano::testsupport {

class RecordingDatabase final : public ole::Dispatch {
public:
    using Override = std::function<ole::Variant(std::span<const ole::Variant>, ole::Dispatch&)>;

    struct Call {
        std::int32_t dispid;
        std::vector<ole::Variant> args;
    };

    explicit RecordingDatabase(ole::DispatchPtr inner) : inner_(std::move(inner)) {}

    std::map<std::int32_t, Override> overrides;

    const std::vector<Call>& Calls() const noexcept { return calls_; }
    std::vector<std::int32_t> Dispids() const {
        std::vector<std::int32_t> ids;
        for (const auto& call : calls_) {
            ids.push_back(call.dispid);
        }
        return ids;
    }

    ole::Variant Invoke(std::int32_t dispid, ole::InvokeKind kind,
                        std::span<const ole::Variant> args) override {
        calls_.push_back({dispid, {args.begin(), args.end()}});
        const auto found = overrides.find(dispid);
        return found == overrides.end() ? inner_->Invoke(dispid, kind, args)
                                        : found->second(args, *inner_);
    }
    ole::Variant InvokeByName(std::string_view name, ole::InvokeKind kind,
                              std::span<const ole::Variant> args) override {
        return inner_->InvokeByName(name, kind, args);
    }

private:
    ole::DispatchPtr inner_;
    std::vector<Call> calls_;
};

} // namespace veltrano::testsupport
