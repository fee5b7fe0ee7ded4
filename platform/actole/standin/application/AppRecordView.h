#pragma once

// A contact or group view of the stand-in ACT! application: a lookup (the records it shows, in
// order), the current record, and reads and writes of field values of that record.

#include "platform/actole/standin/FileFormat.h"

#include <cstdint>
#include <string>
#include <vector>

namespace veltrano::ole::standin {

class Connection;

class AppRecordView {
public:
    static constexpr std::int32_t kContactView = 1;
    static constexpr std::int32_t kGroupView = 3;

    // type is kContactView or kGroupView; the view starts on all records of its table.
    AppRecordView(Connection& database, std::int32_t type);

    std::int32_t Type() const noexcept { return type_; }
    std::string GetCurrentID() const;
    std::int32_t CurrentFieldId() const noexcept { return currentField_; }

    void MoveFirst() noexcept;
    bool MoveNext() noexcept;
    std::int32_t GetCount() const noexcept;

    // "" when there is no current record or it has no value for the field.
    std::string GetField(std::int32_t fieldId) const;
    // False when there is no current record or the table has no such field.
    bool SetField(std::int32_t fieldId, const std::string& value);

    bool LookupAll();
    // The IDs in 12-character steps, blanks on the right ignored; unknown IDs are left out.
    bool CreateLookup(const std::string& uniqueIds);
    // Within the lookup; blanks on the right of the ID are ignored.
    bool GoTo(const std::string& uniqueId);
    // The records whose value of the field begins with text, ignoring letter case; the lookup
    // stays as it was when none does.
    bool LookupField(std::int32_t fieldId, const std::string& text);

    // A new record of the view's table, added to the lookup and made current.
    bool AddNew();
    // Contact view: the current contact joins the group with that ID.
    bool AddContactToGroup(const std::string& groupId);
    // Group view: the contact with that ID joins the current group.
    bool AddMemberToGroup(const std::string& contactId);
    // Group view: removes the current group with its values and memberships.
    bool DeleteCurrentGroup();

    bool SetActiveTab(const std::string& name);
    const std::string& ActiveTab() const noexcept { return activeTab_; }

private:
    bool HasCurrent() const noexcept { return position_ < lookup_.size(); }
    bool RecordExists(TableAccessor table, const std::string& uniqueId) const;
    std::string NewUniqueId() const;

    Connection& database_;
    std::int32_t type_;
    TableAccessor table_;
    std::vector<std::string> lookup_;
    std::size_t position_ = 0;
    std::int32_t currentField_ = 0;
    std::string activeTab_;
};

// Trims blanks on the right, as padded unique IDs arrive.
std::string TrimUniqueId(const std::string& uniqueId);

} // namespace veltrano::ole::standin
