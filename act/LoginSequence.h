#pragma once

#include "act/ActObjects.h"
#include "platform/controls/StatusBar.h"
#include "platform/forms/FormsRuntime.h"

#include <string>

namespace veltrano::act {

enum class LoginResult { Open, Cancelled };

// Asks for user name and password until the database is open or the user cancels. The last
// confirmed values are remembered in the settings store.
LoginResult RunLoginSequence(Database& db, const std::string& databaseName,
                             controls::StatusBar::Panel& status, forms::FormsRuntime& forms);

} // namespace veltrano::act
