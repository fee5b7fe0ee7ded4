#include "platform/actole/standin/FileValidation.h"

#include "platform/actole/standin/FileFormat.h"
#include "platform/actole/standin/StandInErrors.h"

#include <sqlite3.h>

#include <array>
#include <cctype>
#include <fstream>
#include <map>
#include <string>
#include <system_error>
#include <vector>

namespace veltrano::ole::standin {

namespace {

constexpr std::size_t kHeaderSize = 100;
constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};

[[noreturn]] void Reject(const std::string& reason) {
    throw StandInError(reason);
}

std::uint32_t BigEndian32(const std::array<unsigned char, kHeaderSize>& header,
                          std::size_t offset) {
    return (std::uint32_t{header[offset]} << 24) | (std::uint32_t{header[offset + 1]} << 16) |
           (std::uint32_t{header[offset + 2]} << 8) | std::uint32_t{header[offset + 3]};
}

// SQLite opens a file only by its full path with every symbolic link resolved, and refuses one
// longer than its limit with no more than "unable to open database file".
void CheckPathLength(const std::filesystem::path& file) {
    std::error_code error;
    const auto full = std::filesystem::canonical(file, error);
    const sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    if (error || vfs == nullptr) {
        return;
    }
    const std::size_t length = full.u8string().size();
    if (length > static_cast<std::size_t>(vfs->mxPathname)) {
        Reject("its full path has " + std::to_string(length) +
               " bytes, and SQLite opens no path "
               "longer than " +
               std::to_string(vfs->mxPathname) + " bytes");
    }
}

// Looks at the file header before SQLite touches the file, so that foreign files are refused
// without SQLite ever opening them.
void CheckHeader(const std::filesystem::path& file) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (error == std::errc::too_many_symbolic_link_levels) {
        Reject("its symbolic links form a loop");
    }
    if (error && error != std::errc::no_such_file_or_directory &&
        error != std::errc::not_a_directory) {
        Reject("it cannot be reached: " + error.message());
    }
    if (!std::filesystem::exists(status)) {
        Reject("the file does not exist");
    }
    if (!std::filesystem::is_regular_file(status)) {
        Reject("it is not a regular file");
    }
    CheckPathLength(file);
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        Reject("the file cannot be read");
    }
    std::array<unsigned char, kHeaderSize> header{};
    in.read(reinterpret_cast<char*>(header.data()), header.size());
    if (in.gcount() != static_cast<std::streamsize>(header.size()) ||
        std::string_view(reinterpret_cast<const char*>(header.data()), kSqliteMagic.size()) !=
            kSqliteMagic) {
        Reject("it is not an SQLite 3 database");
    }
    // Bytes 18 and 19 are 1 for a rollback journal; format 1 never uses write-ahead logging.
    if (header[18] != 1 || header[19] != 1) {
        Reject("it uses a journal mode that format 1 does not use");
    }
    if (BigEndian32(header, 68) != static_cast<std::uint32_t>(kApplicationId)) {
        Reject("it is the database of another application");
    }
    if (const auto version = BigEndian32(header, 60);
        version != static_cast<std::uint32_t>(kFormatVersion)) {
        Reject("it has format " + std::to_string(version) + ", this program reads format " +
               std::to_string(kFormatVersion));
    }
}

std::int64_t QueryInt(const Connection& connection, std::string_view sql) {
    Statement statement(connection, sql);
    return statement.Step() ? statement.Int(0) : 0;
}

// Whitespace-insensitive form of a CREATE statement.
std::string NormalizeSql(std::string_view sql) {
    std::string out;
    bool pendingSpace = false;
    for (const char c : sql) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            pendingSpace = true;
            continue;
        }
        const bool punctuation = c == '(' || c == ')' || c == ',';
        const bool afterPunctuation =
            !out.empty() && (out.back() == '(' || out.back() == ')' || out.back() == ',');
        if (pendingSpace && !out.empty() && !punctuation && !afterPunctuation) {
            out += ' ';
        }
        pendingSpace = false;
        out += c;
    }
    return out;
}

void CheckHeaderValues(const Connection& connection) {
    if (QueryInt(connection, "PRAGMA application_id") != kApplicationId) {
        Reject("it is the database of another application");
    }
    if (QueryInt(connection, "PRAGMA user_version") != kFormatVersion) {
        Reject("it does not have format " + std::to_string(kFormatVersion));
    }
}

void CheckSchema(const Connection& connection) {
    std::map<std::string, std::string, std::less<>> expected;
    for (const SchemaTable& table : SchemaTables()) {
        expected.emplace(std::string(table.name), NormalizeSql(table.createStatement));
    }
    Statement schema(connection, "SELECT type, name, sql FROM sqlite_schema");
    std::size_t tablesFound = 0;
    while (schema.Step()) {
        const std::string type = schema.Text(0);
        const std::string name = schema.Text(1);
        if (type == "index" && name.starts_with("sqlite_autoindex_") && schema.IsNull(2)) {
            continue;
        }
        const auto it = expected.find(name);
        if (type != "table" || it == expected.end() || NormalizeSql(schema.Text(2)) != it->second) {
            Reject("its schema differs from format 1 (" + type + " " + name + ")");
        }
        ++tablesFound;
    }
    if (tablesFound != expected.size()) {
        Reject("tables of format 1 are missing");
    }
}

struct ValueRule {
    const char* what;
    const char* violations; // a query that yields 1 when a row breaks the rule
};

// Rules beyond the schema's own CHECK constraints: value types that SQLite's type affinity lets
// through, and the limits of 16-bit counts and 32-bit user codes.
constexpr std::array<ValueRule, 7> kValueRules{{
    {"the database name", "SELECT (SELECT count(*) FROM database_info) <> 1 OR EXISTS "
                          "(SELECT 1 FROM database_info WHERE typeof(name) <> 'text')"},
    {"the tables", "SELECT EXISTS (SELECT 1 FROM act_table WHERE typeof(name) <> 'text' OR "
                   "accessor NOT IN ('Contact','Group','NoteHistory','Activity','Sales',"
                   "'ListTable','Email'))"},
    {"the fields",
     "SELECT EXISTS (SELECT 1 FROM field WHERE "
     "typeof(field_id) <> 'integer' OR field_id NOT BETWEEN -32768 AND 32767 OR "
     "typeof(position) <> 'integer' OR position NOT BETWEEN 0 AND 32767 OR "
     "typeof(type) <> 'integer' OR type NOT BETWEEN -32768 AND 32767 OR "
     "typeof(length) <> 'integer' OR length NOT BETWEEN -32768 AND 32767 OR "
     "typeof(decimal_places) <> 'integer' OR decimal_places NOT BETWEEN -32768 AND 32767 OR "
     "typeof(entry_rule) <> 'integer' OR entry_rule NOT BETWEEN -32768 AND 32767 OR "
     "typeof(name) <> 'text' OR typeof(entry_trigger) <> 'text' OR "
     "typeof(exit_trigger) <> 'text' OR typeof(initial_value) <> 'text' OR "
     "typeof(is_indexed) <> 'integer' OR typeof(is_cut_history) <> 'integer' OR "
     "typeof(is_primary) <> 'integer' OR typeof(is_block_sync) <> 'integer' OR "
     "typeof(is_sortable) <> 'integer' OR typeof(has_popup_list) <> 'integer')"},
    {"the field counts",
     "SELECT EXISTS (SELECT 1 FROM field GROUP BY accessor HAVING count(*) > 32767)"},
    {"the drop-down list entries",
     "SELECT EXISTS (SELECT 1 FROM popup_item WHERE typeof(position) <> 'integer' OR "
     "position < 0 OR typeof(value) <> 'text' OR typeof(remark) <> 'text')"},
    {"the users",
     "SELECT EXISTS (SELECT 1 FROM act_user WHERE position < 0 OR typeof(name) <> 'text' OR "
     "typeof(unique_id) <> 'text' OR typeof(password) <> 'text' OR "
     "typeof(security) <> 'integer' OR security NOT BETWEEN -2147483648 AND 2147483647 OR "
     "typeof(access) <> 'integer' OR access NOT BETWEEN -2147483648 AND 2147483647)"},
    {"the user count", "SELECT (SELECT count(*) FROM act_user) > 32767"},
}};

// Every row SQLite reports damaged, up to a hundred.
void CollectIntegrityFindings(const Connection& connection, std::vector<std::string>& findings) {
    Statement check(connection, "PRAGMA integrity_check(100)");
    while (check.Step()) {
        std::string line = check.Text(0);
        if (line != "ok") {
            findings.push_back("SQLite reports it damaged: " + line);
        }
    }
    Statement foreignKeys(connection, "PRAGMA foreign_key_check");
    while (foreignKeys.Step()) {
        findings.push_back("a row of table " + foreignKeys.Text(0) +
                           " refers to a missing row of " + foreignKeys.Text(2));
    }
}

void CollectValueFindings(const Connection& connection, std::vector<std::string>& findings) {
    for (const ValueRule& rule : kValueRules) {
        if (QueryInt(connection, rule.violations) != 0) {
            findings.push_back(std::string("rows break the rules of format 1 (") + rule.what + ")");
        }
    }
}

// Opens and checks what every open checks: the header and the schema. SQLite's defensive mode
// keeps a damaged file from being used to corrupt memory or the schema; cell_size_check finds
// damaged b-tree pages as they are read instead of running past them.
Connection OpenChecked(const std::filesystem::path& file, int flags) {
    CheckHeader(file);
    Connection connection = Connection::Open(file.string(), flags);
    if (sqlite3_db_config(connection.Handle(), SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr) !=
        SQLITE_OK) {
        Reject("SQLite's defensive mode cannot be turned on");
    }
    connection.Execute("PRAGMA cell_size_check = ON; PRAGMA trusted_schema = OFF");
    CheckHeaderValues(connection);
    CheckSchema(connection);
    return connection;
}

} // namespace

Connection OpenDatabaseFile(const std::filesystem::path& file,
                            std::chrono::milliseconds busyTimeout) {
    try {
        // Read-write without CREATE: a missing file is an error, never a new database. A session
        // is used by one thread at a time, so SQLite need not lock the connection on every call.
        Connection connection = OpenChecked(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
        connection.SetBusyTimeout(static_cast<int>(busyTimeout.count()));
        return connection;
    } catch (const SqliteError& error) {
        Reject(std::string("SQLite cannot read it: ") + error.what());
    }
}

std::vector<std::string> CheckDatabaseFile(const std::filesystem::path& file) {
    std::vector<std::string> findings;
    try {
        const Connection connection = OpenChecked(file, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX);
        CollectIntegrityFindings(connection, findings);
        CollectValueFindings(connection, findings);
    } catch (const StandInError& error) {
        findings.emplace_back(error.what());
    } catch (const SqliteError& error) {
        findings.push_back(std::string("SQLite cannot read it: ") + error.what());
    }
    return findings;
}

} // namespace veltrano::ole::standin
