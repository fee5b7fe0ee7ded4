#pragma once

// The Save command: writes the changed (bold) trigger cells of the Fields list into the
// database in batch mode.

#include <cstdint>
#include <string_view>

namespace veltrano::app {
class frmHaupt;
}

namespace veltrano::edit {

inline constexpr std::string_view kStatusOpeningCurrent = "Opening current ACT! database...";
inline constexpr std::string_view kStatusOpening = "Opening ACT! database...";
inline constexpr std::string_view kStatusEnteringBatch = "Entering batch mode...";
inline constexpr std::string_view kStatusSaving = "Saving changes...";
inline constexpr std::string_view kStatusEndingBatch = "Ending batch mode...";
inline constexpr std::string_view kMessageCloseAct =
    "Please close ACT! database before you save changed data.";
inline constexpr std::string_view kMessageSaved = " changes were saved.";

// What a Save came to. Every outcome but Saved and Cancelled was reported to the user, except
// NothingShown, which is no command at all.
struct SaveResult {
    enum class Outcome {
        Saved,        // the batch was committed; count values were written
        NothingShown, // no Fields list of the current tree is shown
        Refused,      // ACT! has the database open
        Cancelled,    // the user cancelled the login
        Failed,       // nothing was written
    };
    Outcome outcome = Outcome::Failed;
    std::int32_t count = 0;
};

// Reopens the surveyed database (the tree's first node's key), logs in when asked, and writes
// every bold Entry/Exit Trigger cell through the field collection of the table whose Fields
// list is shown. All or nothing: marks are cleared, the tree's trigger nodes updated and the
// count reported only after the batch was committed; any failure leaves every mark in place
// and the database as it was. The closing steps run on every way out.
SaveResult SaveChanges(app::frmHaupt& form);

} // namespace veltrano::edit
