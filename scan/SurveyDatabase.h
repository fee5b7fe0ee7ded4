#pragma once

#include "act/ActObjects.h"
#include "app/frmHaupt.h"

#include <optional>
#include <string>

namespace veltrano::scan {

// Closes the database if it is open and releases it; a failure is reported, not passed on.
void CloseDatabase(act::Database& db, forms::FormsRuntime& forms);

// The Survey Database command: opens the database that ACT! has open, or one the user chooses
// (or the given file, as if chosen), logs in, scans it into the tree and closes it again.
void SurveyDatabase(app::frmHaupt& form, const std::optional<std::string>& chosenFile = {});

} // namespace veltrano::scan
