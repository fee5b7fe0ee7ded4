#pragma once

// Typed ACT! operations: each is one late-bound call by its dispatch identifier.

#include "platform/actole/Dispatch.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrano::act {

using ole::DispatchPtr;

class Table;
class Fields;
class PopupList;
class Users;

class Database {
public:
    Database() = default;
    explicit Database(DispatchPtr object) : object_(std::move(object)) {}
    explicit operator bool() const noexcept { return object_ != nullptr; }
    const DispatchPtr& Object() const noexcept { return object_; }
    void Release() noexcept { object_.reset(); }

    void Open(const std::string& path);
    bool LoginRequired();
    void Login(const std::string& userName, const std::string& password);
    bool LoginFailed();
    bool IsOpen();
    void Close();
    std::string FilePath();
    std::string Name();
    // Why Open left the database closed, as the stand-in engine says; "" where the server has
    // no such member (ACT! itself) or gives no reason.
    std::string OpenError() noexcept;
    Table ContactTable();
    Table GroupTable();
    Table NoteHistoryTable();
    Table ActivityTable();
    Table SalesTable();
    Table ListTable();
    Table EmailTable();
    Users GetUsers();

private:
    DispatchPtr object_;
};

class Table {
public:
    Table() = default;
    explicit Table(DispatchPtr object) : object_(std::move(object)) {}
    explicit operator bool() const noexcept { return object_ != nullptr; }
    const DispatchPtr& Object() const noexcept { return object_; }

    std::string Name();
    Fields GetFields();       // dispatch identifier 205
    Fields GetFieldsByName(); // member "Fields"
    std::int16_t FieldCount();
    std::int32_t RecordCount();

private:
    DispatchPtr object_;
};

class Fields {
public:
    Fields() = default;
    explicit Fields(DispatchPtr object) : object_(std::move(object)) {}
    explicit operator bool() const noexcept { return object_ != nullptr; }
    const DispatchPtr& Object() const noexcept { return object_; }
    void Release() noexcept { object_.reset(); }

    std::int16_t Count();
    std::int16_t FieldID(std::int16_t position);
    std::string Name(std::int16_t id);
    std::string InitialValue(std::int16_t id);
    std::string EntryTrigger(std::int16_t id);
    std::string ExitTrigger(std::int16_t id);
    void SetEntryTrigger(std::int16_t id, const std::string& text);
    void SetExitTrigger(std::int16_t id, const std::string& text);
    std::int16_t Type(std::int16_t id);
    std::int16_t Length(std::int16_t id);
    std::int16_t DecimalPlaces(std::int16_t id);
    std::int16_t EntryRule(std::int16_t id);
    bool IsIndexed(std::int16_t id);
    bool IsCutHistory(std::int16_t id);
    bool IsPrimary(std::int16_t id);
    bool IsBlockSync(std::int16_t id);
    bool IsSortable(std::int16_t id);
    bool HasPopupList(std::int16_t id);
    PopupList GetPopupList(std::int16_t id, std::int16_t zero = 0);
    bool BeginBatch();
    bool EndBatch();
    std::int16_t LastError();

private:
    DispatchPtr object_;
};

class PopupList {
public:
    PopupList() = default;
    explicit PopupList(DispatchPtr object) : object_(std::move(object)) {}
    explicit operator bool() const noexcept { return object_ != nullptr; }
    const DispatchPtr& Object() const noexcept { return object_; }

    std::string PopupCountText(); // member "PopupCount" by name, as text
    std::int16_t Count();
    std::string Value(std::int16_t position);
    std::string Remark(std::int16_t position);

private:
    DispatchPtr object_;
};

class Users {
public:
    Users() = default;
    explicit Users(DispatchPtr object) : object_(std::move(object)) {}
    explicit operator bool() const noexcept { return object_ != nullptr; }
    const DispatchPtr& Object() const noexcept { return object_; }

    std::int16_t Count();
    std::string Name(std::int16_t position);
    std::string UniqueID(std::int16_t position);
    std::string Password(std::int16_t position);
    std::int32_t Security(std::int16_t position);
    std::int32_t Access(std::int16_t position);

private:
    DispatchPtr object_;
};

} // namespace veltrano::act
