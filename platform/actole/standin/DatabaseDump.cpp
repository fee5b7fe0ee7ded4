#include "platform/actole/standin/DatabaseDump.h"

#include "platform/actole/standin/FileValidation.h"
#include "platform/actole/standin/StandInErrors.h"
#include "platform/actole/standin/StoredData.h"

#include <cstdio>

namespace veltrano::ole::standin {

namespace {

// Text in double quotes. Quotes and control characters are escaped; backslashes stay as they
// are, since triggers are Windows paths.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

const char* TrueFalse(bool value) {
    return value ? "True" : "False";
}

void DumpPopupList(PopupListReader& lists, TableAccessor table, const FieldRecord& field,
                   std::ostream& out) {
    const auto entries = lists.Read(table, field.id);
    if (!entries) {
        if (field.hasPopupList) {
            out << "    PopupList: corrupt (HasPopupList is True, the list is missing)\n";
        }
        return;
    }
    out << "    PopupList: " << entries->size() << (entries->size() == 1 ? " entry" : " entries");
    out << (field.hasPopupList ? "" : " (HasPopupList is False)") << "\n";
    for (std::size_t i = 0; i < entries->size(); ++i) {
        out << "      " << i << ": " << Quoted((*entries)[i].value)
            << "  Remark: " << Quoted((*entries)[i].remark) << "\n";
    }
}

void DumpField(PopupListReader& lists, TableAccessor table, const FieldRecord& field,
               std::ostream& out) {
    out << "  Field " << field.id << " " << Quoted(field.name) << " (position " << field.position
        << ")\n";
    out << "    Type: " << field.type << "  Length: " << field.length
        << "  DecimalPlaces: " << field.decimalPlaces << "  EntryRule: " << field.entryRule << "\n";
    out << "    IsIndexed: " << TrueFalse(field.isIndexed)
        << "  IsCutHistory: " << TrueFalse(field.isCutHistory)
        << "  IsPrimary: " << TrueFalse(field.isPrimary)
        << "  IsBlockSync: " << TrueFalse(field.isBlockSync)
        << "  IsSortable: " << TrueFalse(field.isSortable)
        << "  HasPopupList: " << TrueFalse(field.hasPopupList) << "\n";
    out << "    InitialValue: " << Quoted(field.initialValue) << "\n";
    out << "    EntryTrigger: " << Quoted(field.entryTrigger) << "\n";
    out << "    ExitTrigger: " << Quoted(field.exitTrigger) << "\n";
    DumpPopupList(lists, table, field, out);
}

void DumpTables(const Connection& db, std::ostream& out) {
    PopupListReader lists(db);
    for (const TableAccessor accessor : kAllTables) {
        const TableData table = LoadTable(db, accessor);
        out << "\nTable " << AccessorName(accessor) << "\n";
        out << "  Name: " << Quoted(table.Name()) << "\n";
        out << "  Records: " << CountRecords(db, accessor) << "\n";
        out << "  Fields: " << table.Fields().size() << "\n";
        for (const FieldRecord& field : table.Fields()) {
            DumpField(lists, accessor, field, out);
        }
    }
    out << "\nGroup members: " << CountGroupMembers(db) << "\n";
}

void DumpUsers(const Connection& db, std::ostream& out) {
    const auto users = LoadUsers(db);
    out << "\nUsers: " << users.size() << "\n";
    for (std::size_t i = 0; i < users.size(); ++i) {
        const UserRecord& user = users[i];
        out << "  User " << i << " " << Quoted(user.name) << "\n";
        out << "    UniqueID: " << Quoted(user.uniqueId) << "  Password: " << Quoted(user.password)
            << "  Security: " << user.security << "  Access: " << user.access << "\n";
    }
}

} // namespace

void DumpDatabase(const std::filesystem::path& file, std::ostream& out) {
    const auto absolute = std::filesystem::absolute(file).lexically_normal();
    Connection db;
    try {
        db = OpenDatabaseFile(absolute, std::chrono::seconds(5));
    } catch (const StandInError& error) {
        throw StandInError(file.string() + " is not a stand-in ACT! database: " + error.what());
    }
    try {
        out << "Database " << Quoted(LoadDatabaseName(db)) << "\n";
        out << "File: " << absolute.string() << "\n";
        out << "Format: " << kFormatVersion << "\n";
        DumpTables(db, out);
        DumpUsers(db, out);
    } catch (const SqliteError& error) {
        throw StandInError("Cannot read " + file.string() + ": " + error.what());
    }
}

} // namespace veltrano::ole::standin
