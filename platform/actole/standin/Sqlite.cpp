#include "platform/actole/standin/Sqlite.h"

#include <sqlite3.h>

#include <utility>

namespace veltrano::ole::standin {

Connection Connection::Open(const std::string& path, int flags) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    Connection connection(db);
    if (rc != SQLITE_OK) {
        if (db == nullptr) {
            throw SqliteError(rc, sqlite3_errstr(rc));
        }
        connection.ThrowLastError(rc);
    }
    sqlite3_extended_result_codes(db, 1);
    return connection;
}

Connection::Connection(Connection&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Connection& Connection::operator=(Connection&& other) noexcept {
    if (this != &other) {
        Close();
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

Connection::~Connection() {
    Close();
}

void Connection::Close() noexcept {
    if (db_ != nullptr) {
        // close_v2 defers the close until stray statements are finalized, so it cannot fail.
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

void Connection::ThrowLastError(int code) const {
    const int extended = db_ != nullptr ? sqlite3_extended_errcode(db_) : code;
    const char* message = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    throw SqliteError(extended != 0 ? extended : code, message);
}

void Connection::Execute(const char* sql) {
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        ThrowLastError(rc);
    }
}

void Connection::SetBusyTimeout(int milliseconds) {
    sqlite3_busy_timeout(db_, milliseconds);
}

bool Connection::IsAutocommit() const {
    return sqlite3_get_autocommit(db_) != 0;
}

int Connection::Changes() const {
    return sqlite3_changes(db_);
}

Statement::Statement(const Connection& connection, std::string_view sql)
    : connection_(&connection) {
    const int rc = sqlite3_prepare_v2(connection.Handle(), sql.data(), static_cast<int>(sql.size()),
                                      &stmt_, nullptr);
    if (rc != SQLITE_OK) {
        connection.ThrowLastError(rc);
    }
}

Statement::Statement(Statement&& other) noexcept
    : connection_(other.connection_), stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        connection_ = other.connection_;
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement& Statement::Bind(int index, std::int64_t value) {
    const int rc = sqlite3_bind_int64(stmt_, index, value);
    if (rc != SQLITE_OK) {
        connection_->ThrowLastError(rc);
    }
    return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
    const int rc =
        sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK) {
        connection_->ThrowLastError(rc);
    }
    return *this;
}

bool Statement::Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    // Reset so that the statement releases its locks before the error travels up.
    sqlite3_reset(stmt_);
    connection_->ThrowLastError(rc);
}

void Statement::Run() {
    while (Step()) {
    }
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::Text(int column) const {
    const auto* text = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text), size) : std::string();
}

std::string_view Statement::TextView(int column) const {
    const auto* text = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return text != nullptr ? std::string_view(reinterpret_cast<const char*>(text), size)
                           : std::string_view();
}

int Statement::Type(int column) const {
    return sqlite3_column_type(stmt_, column);
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

} // namespace veltrano::ole::standin
