#pragma once

// What the COM tests need of Windows: a temporary folder, the built programs beside the test
// program's folder, and programs run with their output in files.

#include <filesystem>
#include <string>
#include <vector>

#include <windows.h>

namespace veltrano::testsupport {

namespace fs = std::filesystem;

class WinTempFolder {
public:
    WinTempFolder();
    ~WinTempFolder();
    WinTempFolder(const WinTempFolder&) = delete;
    WinTempFolder& operator=(const WinTempFolder&) = delete;
    const fs::path& Path() const noexcept { return path_; }

private:
    fs::path path_;
};

// The folder of the programs: <build>/bin, the test programs being in <build>/tests/bin.
fs::path ProgramFolder();

std::string ReadBytes(const fs::path& file);

struct RunResult {
    DWORD status = 0;
    std::string out;
    std::string err;
};

// A program started with its arguments (UTF-8), output to files in folder.
class ChildProcess {
public:
    ChildProcess(const fs::path& program, const std::vector<std::string>& args,
                 const fs::path& folder, const std::string& name);
    ~ChildProcess(); // ends it if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Id() const noexcept { return info_.dwProcessId; }
    // Waits for the end; the exit status, or WAIT_TIMEOUT after the timeout.
    DWORD Wait(DWORD milliseconds = 60000);
    std::string Out() const { return ReadBytes(out_); }
    std::string Err() const { return ReadBytes(err_); }

private:
    PROCESS_INFORMATION info_{};
    fs::path out_;
    fs::path err_;
};

// Runs a program to its end.
RunResult RunProgram(const fs::path& program, const std::vector<std::string>& args,
                     const fs::path& folder);

// The visible top-level window of class className that process owns; null when there is none.
HWND WindowOf(DWORD process, const std::wstring& className);

} // namespace veltrano::testsupport
