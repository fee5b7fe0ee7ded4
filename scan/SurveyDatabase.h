#pragma once

#include "act/ActObjects.h"
#include "app/frmHaupt.h"

#include <optional>
#include <string>

namespace veltrano::scan {

// Closes the database if it is open and releases it; a failure is reported, not passed on, and
// the result is false.
bool CloseDatabase(act::Database& db, forms::FormsRuntime& forms);

// What a survey came to; the user has seen a message for every way but Read and Cancelled.
enum class SurveyOutcome {
    Read,             // the tree holds the database
    ReadWithFailures, // the tree was built, but failures were reported on the way
    Cancelled,        // the user cancelled the file dialog or the login
    NotOpened,        // the database could not be opened or read; the tree is as it was
};

// The Survey Database command: opens the database that ACT! has open, or one the user chooses
// (or the given file, as if chosen), logs in, scans it into the tree and closes it again.
SurveyOutcome SurveyDatabase(app::frmHaupt& form,
                             const std::optional<std::string>& chosenFile = {});

} // namespace veltrano::scan
