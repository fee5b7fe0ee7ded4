#pragma once

// A scriptable automation object for the failure paths a real database cannot produce.

#include "platform/actole/AutomationError.h"
#include "platform/actole/Dispatch.h"

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace veltrano::scan::testing {

class FakeDispatch final : public ole::Dispatch {
public:
    using Handler = std::function<ole::Variant(std::span<const ole::Variant>)>;

    // log, when given, receives every dispatch identifier called, in call order.
    static std::shared_ptr<FakeDispatch> Make(std::vector<std::int32_t>* log = nullptr) {
        auto object = std::make_shared<FakeDispatch>();
        object->log_ = log;
        return object;
    }

    FakeDispatch& On(std::int32_t dispid, Handler handler) {
        handlers_[dispid] = std::move(handler);
        return *this;
    }
    FakeDispatch& Returns(std::int32_t dispid, ole::Variant value) {
        return On(dispid, [value](std::span<const ole::Variant>) { return value; });
    }
    FakeDispatch& Raises(std::int32_t dispid, std::int32_t number, std::string description) {
        return On(dispid, [=](std::span<const ole::Variant>) -> ole::Variant {
            throw ole::AutomationError(number, description);
        });
    }

    ole::Variant Invoke(std::int32_t dispid, ole::InvokeKind,
                        std::span<const ole::Variant> args) override {
        if (log_ != nullptr) {
            log_->push_back(dispid);
        }
        const auto found = handlers_.find(dispid);
        if (found == handlers_.end()) {
            throw ole::AutomationError(ole::errors::kDispMemberNotFound,
                                       "no member " + std::to_string(dispid));
        }
        return found->second(args);
    }
    ole::Variant InvokeByName(std::string_view name, ole::InvokeKind,
                              std::span<const ole::Variant>) override {
        throw ole::AutomationError(ole::errors::kDispMemberNotFound,
                                   "no member " + std::string(name));
    }

private:
    std::map<std::int32_t, Handler> handlers_;
    std::vector<std::int32_t>* log_ = nullptr;
};

} // namespace veltrano::scan::testing
