#pragma once

// A shell that records every launch and answers with `value`. Extended launches above 32 get
// process handles that run until closed; `fail` makes ShellExecuteA throw.

#include "platform/win32/Shell32.h"

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace veltrano::testsupport {

struct ShellCall {
    std::int32_t hwnd = 0;
    std::optional<std::string> verb;
    std::string file;
    std::optional<std::string> parameters;
    std::optional<std::string> directory;
    int show = 0;
    bool extended = false;
    bool operator==(const ShellCall&) const = default;
};

class RecordingShell32 final : public win32::Shell32 {
public:
    std::int32_t value = 42;
    bool fail = false;
    std::vector<ShellCall> calls;
    std::map<std::int32_t, bool> running; // open handles
    std::set<std::int32_t> closed;

    std::int32_t ShellExecuteA(std::int32_t hwnd, const std::optional<std::string>& verb,
                               const std::string& file,
                               const std::optional<std::string>& parameters,
                               const std::optional<std::string>& directory, int show) override {
        if (fail) {
            throw std::runtime_error("shell gone");
        }
        calls.push_back({hwnd, verb, file, parameters, directory, show, false});
        return value;
    }
    bool ShellExecuteExA(win32::SHELLEXECUTEINFO& info) override {
        calls.push_back({info.hwnd, info.lpVerb, info.lpFile.value_or(""), info.lpParameters,
                         info.lpDirectory, info.nShow, true});
        info.hInstApp = value;
        if (value > 32) {
            info.hProcess = nextHandle_;
            running[nextHandle_] = true;
            nextHandle_ += 4;
        }
        return value > 32;
    }
    bool GetExitCodeProcess(std::int32_t process, std::uint32_t& exitCode) override {
        const auto it = running.find(process);
        if (it == running.end()) {
            return false;
        }
        exitCode = it->second ? win32::STILL_ACTIVE : 0;
        return true;
    }
    bool CloseHandle(std::int32_t handle) override {
        closed.insert(handle);
        return running.erase(handle) == 1;
    }

private:
    std::int32_t nextHandle_ = 8;
};

} // namespace veltrano::testsupport
