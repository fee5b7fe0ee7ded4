#pragma once

// The window's core without a window: the main window's state and the standard commands on this
// system's platform, with the headless forms runtime.

#include "app/frmHaupt.h"
#include "cli/CliForms.h"
#include "cli/CliPlatform.h"
#include "platform/win32/linux/LinuxComDlg32.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace veltrano::cli {

// The login given on the command line or in the environment.
struct LoginOptions {
    std::optional<std::string> user;
    std::optional<std::string> password;
};

enum class SurveyResult {
    Read,             // the tree holds the database
    ReadWithFailures, // the tree was built, but an error was reported on the way
    NotRead,          // the database was not read; the system said why
    NoDatabase,       // no file given and no running ACT! has a database open
};

class CliSession {
public:
    // Messages of the system go to messages. The remembered login is only read.
    CliSession(std::ostream& messages, const LoginOptions& login);
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    app::frmHaupt& Form() noexcept { return form_; }
    CliForms& Forms() noexcept { return forms_; }

    // The Survey Database command on the file, as if chosen in the dialog, or without one on
    // the database that a running ACT! has open.
    SurveyResult Survey(const std::optional<std::string>& database);

    // True when an ACT! window is there but its program does not answer (busy, or refusing
    // connections), as against no ACT! running or one without a database open.
    bool RunningActDidNotAnswer();

    // Why running ACT! programs cannot be looked for; "" when they can.
    const std::string& WindowsProblem() const noexcept { return platform_.windowsProblem; }

private:
    CliPlatform platform_;
    CliForms forms_;
    // The file dialog is the headless runtime's, which only notes that it was asked.
    win32::LinuxComDlg32 comdlg32_;
    app::frmHaupt form_;
};

} // namespace veltrano::cli
