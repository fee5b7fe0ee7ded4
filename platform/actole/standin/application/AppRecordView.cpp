#include "platform/actole/standin/application/AppRecordView.h"

#include "base/AsciiCase.h"
#include "platform/actole/standin/Sqlite.h"

#include <algorithm>
#include <random>

namespace veltrano::ole::standin {

namespace {

constexpr std::size_t kUniqueIdLength = 12;

bool BeginsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return base::LowerAscii(a) == base::LowerAscii(b); });
}

// Several statements as one: rolled back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(Connection& database) : database_(database) {
        database_.Execute("BEGIN IMMEDIATE");
    }
    ~WriteTransaction() {
        if (!committed_) {
            try {
                database_.Execute("ROLLBACK");
            } catch (const SqliteError&) {
                // Nothing more to undo.
            }
        }
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    void Commit() {
        database_.Execute("COMMIT");
        committed_ = true;
    }

private:
    Connection& database_;
    bool committed_ = false;
};

} // namespace

std::string TrimUniqueId(const std::string& uniqueId) {
    const auto last = uniqueId.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : uniqueId.substr(0, last + 1);
}

AppRecordView::AppRecordView(Connection& database, std::int32_t type)
    : database_(database), type_(type),
      table_(type == kGroupView ? TableAccessor::Group : TableAccessor::Contact) {
    Statement first(database_,
                    "SELECT field_id FROM field WHERE accessor = ?1 ORDER BY position LIMIT 1");
    first.Bind(1, AccessorName(table_));
    if (first.Step()) {
        currentField_ = static_cast<std::int32_t>(first.Int(0));
    }
    LookupAll();
}

std::string AppRecordView::GetCurrentID() const {
    return HasCurrent() ? lookup_[position_] : std::string();
}

void AppRecordView::MoveFirst() noexcept {
    position_ = 0;
}

bool AppRecordView::MoveNext() noexcept {
    if (position_ + 1 < lookup_.size()) {
        ++position_;
        return true;
    }
    return false;
}

std::int32_t AppRecordView::GetCount() const noexcept {
    return static_cast<std::int32_t>(std::min<std::size_t>(lookup_.size(), INT32_MAX));
}

std::string AppRecordView::GetField(std::int32_t fieldId) const {
    if (!HasCurrent()) {
        return {};
    }
    Statement query(database_, "SELECT value FROM record_value WHERE accessor = ?1 AND "
                               "unique_id = ?2 AND field_id = ?3");
    query.Bind(1, AccessorName(table_)).Bind(2, lookup_[position_]).Bind(3, fieldId);
    return query.Step() ? query.Text(0) : std::string();
}

bool AppRecordView::SetField(std::int32_t fieldId, const std::string& value) {
    if (!HasCurrent() || !RecordExists(table_, lookup_[position_])) {
        return false;
    }
    Statement field(database_, "SELECT 1 FROM field WHERE accessor = ?1 AND field_id = ?2");
    field.Bind(1, AccessorName(table_)).Bind(2, fieldId);
    if (!field.Step()) {
        return false;
    }
    Statement write(database_, "INSERT OR REPLACE INTO record_value (accessor, unique_id, "
                               "field_id, value) VALUES (?1, ?2, ?3, ?4)");
    write.Bind(1, AccessorName(table_)).Bind(2, lookup_[position_]).Bind(3, fieldId).Bind(4, value);
    write.Run();
    currentField_ = fieldId;
    return true;
}

bool AppRecordView::LookupAll() {
    Statement query(database_,
                    "SELECT unique_id FROM record WHERE accessor = ?1 ORDER BY unique_id");
    query.Bind(1, AccessorName(table_));
    lookup_.clear();
    while (query.Step()) {
        lookup_.push_back(query.Text(0));
    }
    position_ = 0;
    return true;
}

bool AppRecordView::CreateLookup(const std::string& uniqueIds) {
    std::vector<std::string> found;
    for (std::size_t start = 0; start < uniqueIds.size(); start += kUniqueIdLength) {
        const std::string id = TrimUniqueId(uniqueIds.substr(start, kUniqueIdLength));
        if (!id.empty() && RecordExists(table_, id) &&
            std::find(found.begin(), found.end(), id) == found.end()) {
            found.push_back(id);
        }
    }
    lookup_ = std::move(found);
    position_ = 0;
    return !lookup_.empty();
}

bool AppRecordView::GoTo(const std::string& uniqueId) {
    const auto found = std::find(lookup_.begin(), lookup_.end(), TrimUniqueId(uniqueId));
    if (found == lookup_.end()) {
        return false;
    }
    position_ = static_cast<std::size_t>(found - lookup_.begin());
    return true;
}

bool AppRecordView::LookupField(std::int32_t fieldId, const std::string& text) {
    Statement query(database_, "SELECT r.unique_id, v.value FROM record r JOIN record_value v "
                               "ON v.accessor = r.accessor AND v.unique_id = r.unique_id "
                               "WHERE r.accessor = ?1 AND v.field_id = ?2 ORDER BY r.unique_id");
    query.Bind(1, AccessorName(table_)).Bind(2, fieldId);
    std::vector<std::string> found;
    while (query.Step()) {
        if (BeginsWithIgnoringCase(query.Text(1), text)) {
            found.push_back(query.Text(0));
        }
    }
    if (found.empty()) {
        return false;
    }
    lookup_ = std::move(found);
    position_ = 0;
    return true;
}

bool AppRecordView::AddNew() {
    const std::string id = NewUniqueId();
    Statement insert(database_, "INSERT INTO record (accessor, unique_id) VALUES (?1, ?2)");
    insert.Bind(1, AccessorName(table_)).Bind(2, id);
    insert.Run();
    lookup_.push_back(id);
    position_ = lookup_.size() - 1;
    return true;
}

bool AppRecordView::AddContactToGroup(const std::string& groupId) {
    const std::string group = TrimUniqueId(groupId);
    if (!HasCurrent() || !RecordExists(TableAccessor::Contact, lookup_[position_]) ||
        !RecordExists(TableAccessor::Group, group)) {
        return false;
    }
    Statement insert(database_,
                     "INSERT OR IGNORE INTO group_member (group_id, contact_id) VALUES (?1, ?2)");
    insert.Bind(1, group).Bind(2, lookup_[position_]);
    insert.Run();
    return true;
}

bool AppRecordView::AddMemberToGroup(const std::string& contactId) {
    const std::string contact = TrimUniqueId(contactId);
    if (!HasCurrent() || !RecordExists(TableAccessor::Group, lookup_[position_]) ||
        !RecordExists(TableAccessor::Contact, contact)) {
        return false;
    }
    Statement insert(database_,
                     "INSERT OR IGNORE INTO group_member (group_id, contact_id) VALUES (?1, ?2)");
    insert.Bind(1, lookup_[position_]).Bind(2, contact);
    insert.Run();
    return true;
}

bool AppRecordView::DeleteCurrentGroup() {
    if (!HasCurrent()) {
        return false;
    }
    const std::string id = lookup_[position_];
    {
        WriteTransaction transaction(database_);
        Statement members(database_, "DELETE FROM group_member WHERE group_id = ?1");
        members.Bind(1, id);
        members.Run();
        Statement values(database_,
                         "DELETE FROM record_value WHERE accessor = 'Group' AND unique_id = ?1");
        values.Bind(1, id);
        values.Run();
        Statement record(database_,
                         "DELETE FROM record WHERE accessor = 'Group' AND unique_id = ?1");
        record.Bind(1, id);
        record.Run();
        transaction.Commit();
    }
    lookup_.erase(lookup_.begin() + static_cast<std::ptrdiff_t>(position_));
    if (position_ >= lookup_.size() && position_ > 0) {
        --position_;
    }
    return true;
}

bool AppRecordView::SetActiveTab(const std::string& name) {
    activeTab_ = name;
    return true;
}

bool AppRecordView::RecordExists(TableAccessor table, const std::string& uniqueId) const {
    Statement query(database_, "SELECT 1 FROM record WHERE accessor = ?1 AND unique_id = ?2");
    query.Bind(1, AccessorName(table)).Bind(2, uniqueId);
    return query.Step();
}

std::string AppRecordView::NewUniqueId() const {
    static constexpr char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 2);
    for (;;) {
        std::string id(kUniqueIdLength, ' ');
        for (auto& c : id) {
            c = kAlphabet[pick(random)];
        }
        if (!RecordExists(table_, id)) {
            return id;
        }
    }
}

} // namespace veltrano::ole::standin
