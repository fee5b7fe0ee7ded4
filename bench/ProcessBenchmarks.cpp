// End to end: `veltrano-cli survey` as a process against the sqlite3 shell printing the same
// rows, both writing to /dev/null.

#include "bench/BenchContext.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

extern char** environ;

namespace veltrano::bench {

namespace {

// The folder of this program, where the build puts veltrano-cli too.
std::filesystem::path ProgramFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

// Runs the program (searched in PATH unless it holds a slash) with its output to /dev/null;
// throws unless it exits with status 0.
void RunQuietly(const std::vector<std::string>& args) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + args.front());
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(args.front() + " failed");
    }
}

void CliSurveyBenchmark(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const std::vector<std::string> args{(ProgramFolder() / "veltrano-cli").string(),
                                            "survey",
                                            context.Data().Database(size).string(),
                                            "--user",
                                            std::string(kUserName),
                                            "--password",
                                            std::string(kPassword)};
        for (auto _ : state) {
            RunQuietly(args);
        }
    });
}

void Sqlite3ShellBaseline(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const std::vector<std::string> args{
            "sqlite3", "-readonly", context.Data().Database(size).string(),
            "SELECT * FROM field; SELECT * FROM popup_item; SELECT * FROM act_user;"};
        for (auto _ : state) {
            RunQuietly(args);
        }
    });
}

} // namespace

void RegisterProcessBenchmarks(BenchContext& context) {
    for (const int size : context.Sizes({kMedium})) {
        const std::string suffix = SizeSuffix(size);
        context.RegisterSized("Cli_Survey", size, CliSurveyBenchmark);
        context.RegisterSized("Cli_Sqlite3Baseline", size, Sqlite3ShellBaseline);
        context.Compare("Cli_Survey" + suffix, "Cli_Sqlite3Baseline" + suffix, 4.0);
    }
}

} // namespace veltrano::bench
