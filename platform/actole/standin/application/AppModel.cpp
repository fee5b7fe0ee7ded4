#include "platform/actole/standin/application/AppModel.h"

#include "platform/actole/AutomationError.h"
#include "platform/actole/standin/FileValidation.h"
#include "platform/actole/standin/StandInErrors.h"
#include "platform/actole/standin/StoredData.h"

#include <algorithm>
#include <new>
#include <ostream>

namespace veltrano::ole::standin {

namespace {

constexpr std::string_view kVersionText = "ACT! stand-in 1.0";
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;

using wire::Request;
using wire::Value;

[[noreturn]] void Raise(std::int32_t number, const std::string& description) {
    throw AutomationError(number, description);
}

bool NameIs(std::string_view member, std::string_view name) {
    return std::equal(member.begin(), member.end(), name.begin(), name.end(), [](char a, char b) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(a) == lower(b);
    });
}

[[noreturn]] void UnknownMember(const Request& request) {
    Raise(errors::kMemberNotFound,
          "Object doesn't support this property or method: " + request.member);
}

// Property gets and method calls are interchangeable, as late-bound callers send both; none of
// the members takes a property put.
void CheckKind(const Request& request) {
    if (request.kind == InvokeKind::PropertyPut) {
        UnknownMember(request);
    }
}

void CheckCount(const Request& request, std::size_t min, std::size_t max) {
    if (request.arguments.size() < min || request.arguments.size() > max) {
        Raise(errors::kDispBadParamCount, "Invalid number of parameters for " + request.member);
    }
}

void CheckCount(const Request& request, std::size_t count) {
    CheckCount(request, count, count);
}

[[noreturn]] void TypeMismatch(const Request& request, std::size_t index) {
    Raise(errors::kDispTypeMismatch,
          "Type mismatch in argument " + std::to_string(index + 1) + " of " + request.member);
}

std::int32_t LongArgument(const Request& request, std::size_t index) {
    const Value& value = request.arguments.at(index);
    if (const auto* i = std::get_if<std::int16_t>(&value)) {
        return *i;
    }
    if (const auto* l = std::get_if<std::int32_t>(&value)) {
        return *l;
    }
    TypeMismatch(request, index);
}

bool BoolArgument(const Request& request, std::size_t index) {
    if (const auto* b = std::get_if<bool>(&request.arguments.at(index))) {
        return *b;
    }
    return LongArgument(request, index) != 0;
}

const std::string& StringArgument(const Request& request, std::size_t index) {
    if (const auto* s = std::get_if<std::string>(&request.arguments.at(index))) {
        return *s;
    }
    TypeMismatch(request, index);
}

// A value put into a field: any value but an object, as text.
std::string TextArgument(const Request& request, std::size_t index) {
    const Value& value = request.arguments.at(index);
    if (const auto* s = std::get_if<std::string>(&value)) {
        return *s;
    }
    if (const auto* b = std::get_if<bool>(&value)) {
        return *b ? "True" : "False";
    }
    if (std::holds_alternative<std::monostate>(value)) {
        return {};
    }
    return std::to_string(LongArgument(request, index));
}

} // namespace

std::string AppCaption(const std::string& databaseName) {
    return "ACT! - " + databaseName;
}

AppModel::AppModel(const std::filesystem::path& database, std::chrono::milliseconds busyTimeout)
    : busyTimeout_(busyTimeout) {
    Open(database);
}

void AppModel::Open(const std::filesystem::path& database) {
    const std::filesystem::path file = std::filesystem::absolute(database).lexically_normal();
    auto connection = std::make_unique<Connection>(OpenDatabaseFile(file, busyTimeout_));
    std::string name = LoadDatabaseName(*connection);
    if (name.empty()) {
        name = file.stem().string();
    }
    const auto users = LoadUsers(*connection);
    Close();
    database_ = std::move(connection);
    databasePath_ = file.string();
    userName_ = users.empty() ? std::string() : users.front().name;
    userId_ = users.empty() ? std::string() : users.front().uniqueId;
    activeView_ = AddView(AppRecordView::kContactView);
    ChangeWindow({AppCaption(name), window_.visible, databasePath_});
}

void AppModel::Close() {
    views_.clear();
    activeView_ = 0;
    database_.reset();
    databasePath_.clear();
    userName_.clear();
    userId_.clear();
    ChangeWindow({"ACT!", window_.visible, ""});
}

void AppModel::ChangeWindow(AppWindowState state) {
    window_ = std::move(state);
    if (windowChanged_) {
        windowChanged_(window_);
    }
}

std::uint32_t AppModel::AddView(std::int32_t type) {
    if (!database_) {
        Raise(errors::kObjectNotOpen, "No database is open.");
    }
    if (views_.size() >= kMaxViews) {
        // The oldest view that is not active makes room.
        const auto oldest = std::find_if(views_.begin(), views_.end(), [&](const auto& view) {
            return view.first != activeView_;
        });
        views_.erase(oldest);
    }
    const std::uint32_t id = nextViewId_++;
    views_.emplace(id, std::make_unique<AppRecordView>(*database_, type));
    return id;
}

wire::Reply AppModel::Handle(const Request& request) noexcept {
    try {
        CheckKind(request);
        if (request.object == wire::kApplicationObject) {
            return InvokeApplication(request);
        }
        if (request.object == kViewsObject) {
            return InvokeViews(request);
        }
        const auto view = views_.find(request.object);
        if (view == views_.end()) {
            return wire::ErrorReply{wire::kDisconnected,
                                    "The object invoked has disconnected from its clients."};
        }
        return InvokeView(*view->second, request);
    } catch (const AutomationError& error) {
        return wire::ErrorReply{error.Number(), error.Description()};
    } catch (const SqliteError& error) {
        const int primary = error.Code() & 0xFF;
        if (primary == kSqliteBusy || primary == kSqliteLocked) {
            return wire::ErrorReply{errors::kRpcCallRejected,
                                    std::string("The application is busy: ") + error.what()};
        }
        return wire::ErrorReply{errors::kStorageFailed, error.what()};
    } catch (const std::bad_alloc&) {
        return wire::ErrorReply{7, "Out of memory"};
    } catch (const std::exception& error) {
        return wire::ErrorReply{errors::kInvalidProcedureCall, error.what()};
    }
}

Value AppModel::InvokeApplication(const Request& request) {
    const std::string_view m = request.member;
    if (NameIs(m, "GetOpenDBName")) {
        CheckCount(request, 0);
        return databasePath_;
    }
    if (NameIs(m, "OpenDB")) {
        CheckCount(request, 1);
        try {
            Open(StringArgument(request, 0));
        } catch (const StandInError& error) {
            Raise(errors::kInvalidProcedureCall, error.what());
        }
        return std::monostate{};
    }
    if (NameIs(m, "CloseDB")) {
        CheckCount(request, 0);
        Close();
        return std::int32_t{0};
    }
    if (NameIs(m, "GetVersion")) {
        CheckCount(request, 0, 1);
        if (!request.arguments.empty()) {
            LongArgument(request, 0);
        }
        return std::string(kVersionText);
    }
    if (NameIs(m, "Show")) {
        CheckCount(request, 0, 1);
        const bool visible = request.arguments.empty() || BoolArgument(request, 0);
        ChangeWindow({window_.caption, visible, window_.databasePath});
        return std::monostate{};
    }
    if (NameIs(m, "GetUserId")) {
        CheckCount(request, 0);
        return userId_;
    }
    if (NameIs(m, "GetCurrentUserName")) {
        CheckCount(request, 0);
        return userName_;
    }
    if (NameIs(m, "Command")) {
        CheckCount(request, 1);
        LongArgument(request, 0);
        return std::monostate{};
    }
    if (NameIs(m, "Views")) {
        CheckCount(request, 0);
        return wire::ObjectId{kViewsObject};
    }
    UnknownMember(request);
}

Value AppModel::InvokeViews(const Request& request) {
    const std::string_view m = request.member;
    if (NameIs(m, "GetActive")) {
        CheckCount(request, 0);
        return wire::ObjectId{activeView_};
    }
    if (NameIs(m, "Create")) {
        CheckCount(request, 1, 2);
        const std::int32_t type = LongArgument(request, 0);
        if (type != AppRecordView::kContactView && type != AppRecordView::kGroupView) {
            Raise(errors::kInvalidProcedureCall,
                  "Invalid procedure call or argument: view type " + std::to_string(type));
        }
        activeView_ = AddView(type);
        return wire::ObjectId{activeView_};
    }
    UnknownMember(request);
}

Value AppModel::InvokeView(AppRecordView& view, const Request& request) {
    const std::string_view m = request.member;
    const bool contact = view.Type() == AppRecordView::kContactView;
    if (NameIs(m, "Type")) {
        CheckCount(request, 0);
        return view.Type();
    }
    if (NameIs(m, "GetCurrentID")) {
        CheckCount(request, 0);
        return view.GetCurrentID();
    }
    if (NameIs(m, "CurrentFieldId")) {
        CheckCount(request, 0);
        return view.CurrentFieldId();
    }
    if (NameIs(m, "MoveFirst")) {
        CheckCount(request, 0);
        view.MoveFirst();
        return true;
    }
    if (NameIs(m, "MoveNext")) {
        CheckCount(request, 0);
        return view.MoveNext();
    }
    if (NameIs(m, "GetCount")) {
        CheckCount(request, 0);
        return view.GetCount();
    }
    if (NameIs(m, "getfield")) {
        CheckCount(request, 1);
        return view.GetField(LongArgument(request, 0));
    }
    if (NameIs(m, "setfield")) {
        CheckCount(request, 2);
        return view.SetField(LongArgument(request, 0), TextArgument(request, 1));
    }
    if (NameIs(m, "LookupAll")) {
        CheckCount(request, 0);
        return view.LookupAll();
    }
    if (NameIs(m, "CreateLookup")) {
        CheckCount(request, 1);
        return view.CreateLookup(StringArgument(request, 0));
    }
    if (NameIs(m, "GoTo")) {
        CheckCount(request, 1);
        return view.GoTo(StringArgument(request, 0));
    }
    if (NameIs(m, "LookupFieldEx")) {
        // The third argument, the kind of lookup, is accepted; the stand-in always replaces
        // the lookup.
        CheckCount(request, 2, 3);
        if (request.arguments.size() == 3) {
            BoolArgument(request, 2);
        }
        return view.LookupField(LongArgument(request, 0), TextArgument(request, 1));
    }
    if (NameIs(m, "AddNew")) {
        CheckCount(request, 0);
        return view.AddNew();
    }
    if (NameIs(m, "SetActiveTab")) {
        CheckCount(request, 1);
        return view.SetActiveTab(StringArgument(request, 0));
    }
    if (contact && NameIs(m, "AddNewContact")) {
        CheckCount(request, 0);
        return view.AddNew();
    }
    if (contact && NameIs(m, "AddContactToGroup")) {
        CheckCount(request, 1);
        return view.AddContactToGroup(StringArgument(request, 0));
    }
    if (!contact && NameIs(m, "AddMemberToGroup")) {
        CheckCount(request, 1);
        return view.AddMemberToGroup(StringArgument(request, 0));
    }
    if (!contact && NameIs(m, "DeleteGroupFast")) {
        CheckCount(request, 0);
        return view.DeleteCurrentGroup();
    }
    UnknownMember(request);
}

std::shared_ptr<AppModel> OpenAppModel(const std::filesystem::path& database,
                                       std::chrono::milliseconds busyTimeout, std::ostream& err) {
    try {
        return std::make_shared<AppModel>(database, busyTimeout);
    } catch (const StandInError& error) {
        err << "act-standin: " << database.string()
            << " is not a stand-in ACT! database: " << error.what() << "\n";
    } catch (const SqliteError& error) {
        err << "act-standin: cannot read " << database.string() << ": " << error.what() << "\n";
    }
    return nullptr;
}

} // namespace veltrano::ole::standin
