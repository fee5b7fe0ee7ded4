#pragma once

#include "platform/actole/standin/FileFormat.h"
#include "platform/actole/standin/Sqlite.h"
#include "platform/actole/standin/StandInEngine.h"
#include "platform/actole/standin/StoredData.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace veltrano::ole::standin {

enum class Trigger { Entry, Exit };

// The state behind one Database object and every object reached from it: the open file, the
// login, the batch transaction and the data already read. Objects remember the generation they
// were made in; closing the database ends that generation, so their later calls raise.
class Session {
public:
    Session(std::function<std::string()> runningDatabasePath, StandInOptions options);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Never raises: a file that is not a valid database leaves the session closed.
    void Open(const std::string& path) noexcept;
    void Login(const std::string& userName, const std::string& password);
    // Rolls back an open batch.
    void Close() noexcept;

    bool LoginRequired() const noexcept { return loginRequired_; }
    bool LoginFailed() const noexcept { return loginFailed_; }
    bool IsOpen() const noexcept { return isOpen_; }
    // Why the last Open left the session closed; "" after a successful Open.
    const std::string& OpenError() const noexcept { return openError_; }

    std::uint64_t Generation() const noexcept { return generation_; }
    // Raises unless the database is open and still in the given generation.
    void RequireOpen(std::uint64_t generation) const;

    const std::string& FilePath() const noexcept { return filePath_; }
    const std::string& Name() const noexcept { return name_; }
    // Read from the file once, then answered from memory.
    const TableData& Table(TableAccessor table);
    // Raises when the table has no field with this ID.
    const FieldRecord& Field(TableAccessor table, std::int16_t fieldId);
    std::int64_t RecordCount(TableAccessor table);
    // The last list read is kept: a scan asks for each list twice in a row (its count, then
    // its entries), and a list of hundreds of entries is not read from the file again.
    std::shared_ptr<const std::vector<PopupEntry>> PopupList(TableAccessor table,
                                                             std::int16_t fieldId);
    const std::shared_ptr<const std::vector<UserRecord>>& Users() const noexcept { return users_; }

    void WriteTrigger(TableAccessor table, std::int16_t fieldId, Trigger trigger,
                      const std::string& text);
    bool BeginBatch() noexcept;
    bool EndBatch() noexcept;
    std::int16_t LastError() const noexcept { return lastError_; }

private:
    TableData& LoadedTable(TableAccessor table);
    void RollBackBatch() noexcept;
    void ForgetLoadedTables() noexcept;
    void RecordFailure(int sqliteCode) noexcept;
    void RememberOpenError(const char* reason) noexcept;

    std::function<std::string()> runningDatabasePath_;
    StandInOptions options_;

    Connection connection_;
    std::optional<Statement> updateEntryTrigger_;
    std::optional<Statement> updateExitTrigger_;
    std::optional<PopupListReader> popupListReader_;
    struct ReadPopupList {
        TableAccessor table;
        std::int16_t fieldId;
        std::shared_ptr<const std::vector<PopupEntry>> entries;
    };
    std::optional<ReadPopupList> lastPopupList_;
    // The field found last: a scan asks for each property of a field in a row.
    struct FoundField {
        TableAccessor table;
        std::int16_t fieldId;
        FieldRecord* field;
    };
    std::optional<FoundField> lastField_;

    std::uint64_t generation_ = 0;
    bool fileLoaded_ = false;
    bool loginRequired_ = false;
    bool loginFailed_ = false;
    bool isOpen_ = false;
    std::string openError_;
    std::string filePath_;
    std::string name_;
    std::shared_ptr<const std::vector<UserRecord>> users_;
    std::array<std::unique_ptr<TableData>, kTableCount> tables_;

    bool batchActive_ = false;
    bool batchLost_ = false; // SQLite rolled the batch back after a failed write
    std::int16_t lastError_ = 0;
};

} // namespace veltrano::ole::standin
