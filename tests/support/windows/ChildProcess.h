#pragma once

// Child processes for Windows tests: programs run to their end with their output caught, and
// helper processes that run beside a test until it ends them.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace veltrano::testsupport {

struct ProgramRun {
    unsigned long status = 0;
    std::string out;
    std::string err;
};

// Runs the program with UTF-8 arguments, no input and without VELTRANO_USER and
// VELTRANO_PASSWORD (the login comes from its arguments or the registry), and waits for its
// end. Throws std::runtime_error when it cannot start or runs longer than a minute.
ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args);

// The folder of the running test program.
std::filesystem::path ProgramFolder();

// A helper process that runs until the object ends (then it is terminated if still running).
class HelperProcess {
public:
    HelperProcess(const std::filesystem::path& program, const std::vector<std::string>& args);
    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    unsigned long Id() const noexcept { return id_; }
    // Its exit code once it ended; nullopt when it still runs after the timeout.
    std::optional<unsigned long> WaitExit(std::chrono::milliseconds timeout);

private:
    void* process_ = nullptr;
    unsigned long id_ = 0;
};

} // namespace veltrano::testsupport
