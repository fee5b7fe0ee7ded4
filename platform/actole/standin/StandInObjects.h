#pragma once

// The automation objects of the stand-in engine. Each answers by dispatch identifier and by
// member name; all of them share the Session of the Database they came from.

#include "platform/actole/Dispatch.h"
#include "platform/actole/standin/FileFormat.h"
#include "platform/actole/standin/StoredData.h"

#include <memory>
#include <vector>

namespace veltrano::ole::standin {

class Session;

class DatabaseObject final : public Dispatch {
public:
    explicit DatabaseObject(std::shared_ptr<Session> session);
    // Releasing the Database closes it, which rolls back an open batch.
    ~DatabaseObject() override;

    Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) override;
    Variant InvokeByName(std::string_view name, InvokeKind kind,
                         std::span<const Variant> args) override;

private:
    Variant TableObjectOf(TableAccessor table);
    std::shared_ptr<Session> session_;
};

class TableObject final : public Dispatch {
public:
    TableObject(std::shared_ptr<Session> session, TableAccessor table);

    Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) override;
    Variant InvokeByName(std::string_view name, InvokeKind kind,
                         std::span<const Variant> args) override;

private:
    std::shared_ptr<Session> session_;
    std::uint64_t generation_;
    TableAccessor table_;
};

class FieldsObject final : public Dispatch {
public:
    // Reads the table's fields into memory (once per open database).
    FieldsObject(std::shared_ptr<Session> session, TableAccessor table);

    Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) override;
    Variant InvokeByName(std::string_view name, InvokeKind kind,
                         std::span<const Variant> args) override;

private:
    Variant FieldProperty(std::int32_t dispid, std::int16_t fieldId);
    std::shared_ptr<Session> session_;
    std::uint64_t generation_;
    TableAccessor table_;
};

class PopupListObject final : public Dispatch {
public:
    PopupListObject(std::shared_ptr<Session> session,
                    std::shared_ptr<const std::vector<PopupEntry>> entries);

    Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) override;
    Variant InvokeByName(std::string_view name, InvokeKind kind,
                         std::span<const Variant> args) override;

private:
    std::shared_ptr<Session> session_;
    std::uint64_t generation_;
    std::shared_ptr<const std::vector<PopupEntry>> entries_;
};

class UsersObject final : public Dispatch {
public:
    explicit UsersObject(std::shared_ptr<Session> session);

    Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) override;
    Variant InvokeByName(std::string_view name, InvokeKind kind,
                         std::span<const Variant> args) override;

private:
    std::shared_ptr<Session> session_;
    std::uint64_t generation_;
    std::shared_ptr<const std::vector<UserRecord>> users_;
};

} // namespace veltrano::ole::standin
