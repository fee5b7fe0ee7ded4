#pragma once

// A fake ACT! application object: every call by name is written to a shared log as
// "object.Member(args)"; answers come from per-member functions (Empty when none is set).

#include "platform/actole/AutomationError.h"
#include "platform/actole/Dispatch.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace veltrano::testsupport {

using CallLog = std::vector<std::string>;

// Arguments as the log shows them: "text", 25 (Integer), 25& (Long), True, Empty.
inline std::string ArgumentText(const ole::Variant& value) {
    switch (value.GetType()) {
    case ole::Variant::Type::Empty:
        return "Empty";
    case ole::Variant::Type::Boolean:
        return value.AsBool() ? "True" : "False";
    case ole::Variant::Type::Integer:
        return value.ToText();
    case ole::Variant::Type::Long:
        return value.ToText() + "&";
    case ole::Variant::Type::String:
        return "\"" + value.AsString() + "\"";
    case ole::Variant::Type::Object:
        return "Object";
    }
    return "?";
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

// The application with its views collection and three views ("active", "contact", "group").
// Views.GetActive answers "active"; Views.Create(1, ...) "contact", Create(3, ...) "group".
struct RecordingApplication {
    CallLog log;
    std::shared_ptr<RecordingObject> app = std::make_shared<RecordingObject>("app", log);
    std::shared_ptr<RecordingObject> views = std::make_shared<RecordingObject>("views", log);
    std::shared_ptr<RecordingObject> active = std::make_shared<RecordingObject>("active", log);
    std::shared_ptr<RecordingObject> contact = std::make_shared<RecordingObject>("contact", log);
    std::shared_ptr<RecordingObject> group = std::make_shared<RecordingObject>("group", log);

    RecordingApplication(const RecordingApplication&) = delete;
    RecordingApplication& operator=(const RecordingApplication&) = delete;
    RecordingApplication() {
        // Objects are handed out by lambdas over this fixture, so the answers hold no reference.
        app->answers["Views"] = [this](std::span<const ole::Variant>) {
            return ole::Variant(ole::DispatchPtr(views));
        };
        views->answers["GetActive"] = [this](std::span<const ole::Variant>) {
            return ole::Variant(ole::DispatchPtr(active));
        };
        views->answers["Create"] = [this](std::span<const ole::Variant> args) {
            return ole::Variant(ole::DispatchPtr(args[0].AsLong() == 3 ? group : contact));
        };
        contact->Returns("Type", std::int32_t{1});
        group->Returns("Type", std::int32_t{3});
    }

    // True when nothing but this fixture holds an object.
    bool AllReleased() const {
        return app.use_count() == 1 && views.use_count() == 1 && active.use_count() == 1 &&
               contact.use_count() == 1 && group.use_count() == 1;
    }
};

} // namespace veltrano::testsupport
