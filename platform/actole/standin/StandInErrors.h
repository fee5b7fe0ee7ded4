#pragma once

// Errors of the stand-in ACT! engine: the automation numbers it raises and the exception its
// library functions (file creation, dump) throw.

#include "platform/actole/AutomationError.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace veltrano::ole::standin {

namespace errors {
using namespace ole::errors;
// A call that needs an open (and logged-in) database.
inline constexpr std::int32_t kDatabaseNotOpen = kObjectNotOpen;
// A field ID the table lacks, or a position outside 0 ... Count - 1.
inline constexpr std::int32_t kNoSuchField = kInvalidProcedureCall;
inline constexpr std::int32_t kPositionOutOfRange = kSubscriptOutOfRange;
// SQLite refused a read or a write; the description carries SQLite's reason.
inline constexpr std::int32_t kStorageFailed = 20001;
// A field flagged with a drop-down list whose list is missing from the file.
inline constexpr std::int32_t kCorruptPopupList = 20002;
// A field without any drop-down list was asked for one.
inline constexpr std::int32_t kNoPopupList = 20003;
// A read or write met a damaged page or a value that breaks the file format.
inline constexpr std::int32_t kDamagedFile = 20004;
} // namespace errors

// A failure of the library functions outside automation calls (creating or dumping a file).
class StandInError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace veltrano::ole::standin
