#pragma once

// A platform for core tests: scripted forms, no ACT! and no windows unless a test adds them.

#include "app/Platform.h"
#include "platform/actole/AutomationError.h"
#include "platform/win32/NoWindows.h"
#include "support/ScriptedForms.h"
#include "wiring/MainForm.h"

#include <functional>
#include <string>
#include <vector>

namespace veltrano::testsupport {

using win32::NoWindows;

// Creates databases with the given function; "ACTOLE.APPOBJECT" fails with 429 like on a
// machine where ACT! is not running.
class FakeObjectFactory final : public ole::ObjectFactory {
public:
    std::function<ole::DispatchPtr()> database;
    std::function<ole::DispatchPtr(std::string_view)> object;

    ole::DispatchPtr CreateDatabase() override {
        if (!database) {
            throw ole::AutomationError(ole::errors::kCannotCreateObject,
                                       "ActiveX component can't create object");
        }
        return database();
    }
    ole::DispatchPtr CreateObject(std::string_view progId) override {
        if (!object) {
            throw ole::AutomationError(ole::errors::kCannotCreateObject,
                                       "ActiveX component can't create object");
        }
        return object(progId);
    }
};

class NoDialogs final : public win32::ComDlg32 {
public:
    std::int32_t GetOpenFileNameA(win32::OPENFILENAME&) override { return 0; }
    std::int32_t GetSaveFileNameA(win32::OPENFILENAME&) override { return 0; }
};

class NoShell final : public win32::Shell32 {
public:
    std::int32_t ShellExecuteA(std::int32_t, const std::optional<std::string>&, const std::string&,
                               const std::optional<std::string>&, const std::optional<std::string>&,
                               int) override {
        return win32::SE_ERR_NOASSOC;
    }
    bool ShellExecuteExA(win32::SHELLEXECUTEINFO& info) override {
        info.hInstApp = win32::SE_ERR_NOASSOC;
        return false;
    }
    bool GetExitCodeProcess(std::int32_t, std::uint32_t&) override { return false; }
    bool CloseHandle(std::int32_t) override { return false; }
};

struct NullPlatform {
    testsupport::ScriptedForms forms;
    FakeObjectFactory objects;
    win32::NoWindows user32;
    NoDialogs comdlg32;
    NoShell shell32;

    app::Platform Get() { return {forms, objects, user32, comdlg32, shell32}; }
    // The main window as the programs wire it, on this platform.
    app::frmHaupt MainForm() { return wiring::MainForm(Get()); }
};

} // namespace veltrano::testsupport
