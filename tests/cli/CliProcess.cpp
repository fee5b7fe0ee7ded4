#include "CliProcess.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

extern char** environ;

namespace veltrano::testsupport {

namespace fs = std::filesystem;

namespace {

constexpr const char* kOwnVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR",
                                         "VELTRANO_USER", "VELTRANO_PASSWORD"};

fs::path ProgramPath() {
    const char* binDir = std::getenv("VELTRANO_BIN_DIR");
    const fs::path bin =
        binDir != nullptr ? fs::path(binDir)
                          : fs::read_symlink("/proc/self/exe").parent_path() / ".." / ".." / "bin";
    return bin / "veltrano-cli";
}

} // namespace

CliProcess::CliProcess(fs::path folder) : folder_(std::move(folder)) {
    for (const char* name : {"home", "config", "runtime"}) {
        fs::create_directories(folder_ / name);
        fs::permissions(folder_ / name, fs::perms::owner_all);
    }
    environment_["HOME"] = (folder_ / "home").string();
    environment_["XDG_CONFIG_HOME"] = (folder_ / "config").string();
    environment_["XDG_RUNTIME_DIR"] = (folder_ / "runtime").string();
}

CliResult CliProcess::Run(const std::vector<std::string>& args) const {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view text(*variable);
        const auto name = text.substr(0, text.find('='));
        if (std::none_of(std::begin(kOwnVariables), std::end(kOwnVariables),
                         [&](const char* own) { return name == own; })) {
            variables.emplace_back(text);
        }
    }
    for (const auto& [name, value] : environment_) {
        variables.push_back(name + "=" + value);
    }
    std::vector<char*> envp;
    for (auto& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);

    const std::string program = ProgramPath().string();
    std::vector<std::string> argvText{"veltrano-cli"};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : argvText) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    const fs::path out = folder_ / "stdout.txt";
    const fs::path err = folder_ / "stderr.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    const int spawned =
        ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), ReadFileBytes(out),
            ReadFileBytes(err)};
}

std::string ReadFileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace veltrano::testsupport
