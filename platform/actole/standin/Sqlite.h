#pragma once

// Minimal RAII over the SQLite C interface, as far as the stand-in engine needs it.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace veltrano::ole::standin {

// A failed SQLite call: SQLite's extended result code and its message.
class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int Code() const noexcept { return code_; }

private:
    int code_;
};

class Connection {
public:
    // Flags are SQLite's open flags; throws SqliteError when the file cannot be opened.
    static Connection Open(const std::string& path, int flags);

    Connection() = default;
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection();

    explicit operator bool() const noexcept { return db_ != nullptr; }
    sqlite3* Handle() const noexcept { return db_; }

    void Execute(const char* sql);
    void SetBusyTimeout(int milliseconds);
    // True while no explicit transaction is active.
    bool IsAutocommit() const;
    int Changes() const;
    void Close() noexcept;

    [[noreturn]] void ThrowLastError(int code) const;

private:
    explicit Connection(sqlite3* db) noexcept : db_(db) {}
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(const Connection& connection, std::string_view sql);
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    // Parameters are numbered from 1, as in SQLite.
    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, std::string_view text);

    // True when a row is ready, false when the statement is done.
    bool Step();
    // Runs the statement to its end, for statements without rows.
    void Run();
    void Reset();

    std::int64_t Int(int column) const;
    std::string Text(int column) const;
    // Valid until the next Step, Reset or column call on the same column.
    std::string_view TextView(int column) const;
    bool IsNull(int column) const;
    // SQLite's storage class of the value: SQLITE_INTEGER, SQLITE_TEXT, ...
    int Type(int column) const;

private:
    const Connection* connection_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace veltrano::ole::standin
