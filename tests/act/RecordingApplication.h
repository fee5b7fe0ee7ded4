#pragma once

// A fake ACT! application object: every call by name is logged as "object.Member(args)", with
// arguments as "text", 25 (Integer), 25& (Long), True; answers come from per-member functions
// (Empty when none is set).

#include "platform/actole/AutomationError.h"
#include "platform/actole/Dispatch.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace veltrano::testsupport {

using CallLog = std::vector<std::string>;

inline std::string ArgumentText(const ole::Variant& value) {
    switch (value.GetType()) {
    case ole::Variant::Type::Long:
        return value.ToText() + "&";
    case ole::Variant::Type::String:
        return "\"" + value.AsString() + "\"";
    default:
        return value.ToText();
    }
}

class RecordingObject final : public ole::Dispatch {
public:
    using Answer = std::function<ole::Variant(std::span<const ole::Variant>)>;

    RecordingObject(std::string name, CallLog& log) : name_(std::move(name)), log_(log) {}

    std::map<std::string, Answer, std::less<>> answers;

    void Returns(const std::string& member, ole::Variant value) {
        answers[member] = [value](std::span<const ole::Variant>) { return value; };
    }
    void Fails(const std::string& member, std::int32_t number, std::string description) {
        answers[member] = [=](std::span<const ole::Variant>) -> ole::Variant {
            throw ole::AutomationError(number, description);
        };
    }

    ole::Variant Invoke(std::int32_t, ole::InvokeKind, std::span<const ole::Variant>) override {
        throw ole::AutomationError(ole::errors::kMemberNotFound, "by name only");
    }
    ole::Variant InvokeByName(std::string_view member, ole::InvokeKind,
                              std::span<const ole::Variant> args) override {
        std::string entry = name_ + "." + std::string(member) + "(";
        for (std::size_t i = 0; i < args.size(); ++i) {
            entry += (i ? "," : "") + ArgumentText(args[i]);
        }
        log_.push_back(entry + ")");
        const auto answer = answers.find(member);
        return answer == answers.end() ? ole::Variant() : answer->second(args);
    }

private:
    std::string name_;
    CallLog& log_;
};

// The application with its views collection and three views: Views.GetActive answers "active",
// Views.Create(1, ...) "contact", Create(3, ...) "group".
struct RecordingApplication {
    CallLog log;
    std::shared_ptr<RecordingObject> app = std::make_shared<RecordingObject>("app", log);
    std::shared_ptr<RecordingObject> views = std::make_shared<RecordingObject>("views", log);
    std::shared_ptr<RecordingObject> active = std::make_shared<RecordingObject>("active", log);
    std::shared_ptr<RecordingObject> contact = std::make_shared<RecordingObject>("contact", log);
    std::shared_ptr<RecordingObject> group = std::make_shared<RecordingObject>("group", log);

    // The answers capture this fixture, so it stays where it is.
    RecordingApplication(const RecordingApplication&) = delete;
    RecordingApplication& operator=(const RecordingApplication&) = delete;
    RecordingApplication() {
        app->answers["Views"] = [this](auto) { return ole::Variant(ole::DispatchPtr(views)); };
        views->answers["GetActive"] = [this](auto) {
            return ole::Variant(ole::DispatchPtr(active));
        };
        views->answers["Create"] = [this](std::span<const ole::Variant> args) {
            return ole::Variant(ole::DispatchPtr(args[0].AsLong() == 3 ? group : contact));
        };
    }

    // True when nothing but this fixture holds an object.
    bool AllReleased() const {
        return std::ranges::all_of(std::array{&app, &views, &active, &contact, &group},
                                   [](const auto* object) { return object->use_count() == 1; });
    }
};

} // namespace veltrano::testsupport
