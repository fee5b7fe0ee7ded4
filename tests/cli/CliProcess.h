#pragma once

// Runs the built veltrano-cli with a clean environment: the login variables, the settings folder
// and the folder of running ACT! programs are only what a test sets.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace veltrano::testsupport {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

class CliProcess {
public:
    // HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR point into folder unless set in environment.
    explicit CliProcess(std::filesystem::path folder);

    // Variables for every later run.
    void Set(const std::string& name, const std::string& value) { environment_[name] = value; }
    void Unset(const std::string& name) { environment_.erase(name); }

    CliResult Run(const std::vector<std::string>& args) const;

private:
    std::filesystem::path folder_;
    std::map<std::string, std::string> environment_;
};

std::string ReadFileBytes(const std::filesystem::path& file);

} // namespace veltrano::testsupport
