#include "platform/win32/linux/WindowRegistry.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace veltrano::win32 {

namespace {

struct ProcStat {
    char state = '?';
    std::uint64_t startTime = 0;
};

// /proc/<pid>/stat: "pid (comm) state ppid ...", start time is field 22. The command name
// may hold blanks and parentheses, so the fields are counted from the last ')'.
std::optional<ProcStat> ReadProcStat(std::int32_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    if (!file) {
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(text.substr(close + 1));
    ProcStat stat;
    std::string field;
    for (int number = 3; fields >> field; ++number) {
        if (number == 3) {
            stat.state = field.empty() ? '?' : field[0];
        } else if (number == 22) {
            const auto end = field.data() + field.size();
            if (std::from_chars(field.data(), end, stat.startTime).ptr != end) {
                return std::nullopt;
            }
            return stat;
        }
    }
    return std::nullopt;
}

} // namespace

ProcessIdentity CurrentProcess() {
    ProcessIdentity self;
    self.pid = static_cast<std::int32_t>(::getpid());
    if (const auto stat = ReadProcStat(self.pid)) {
        self.startTime = stat->startTime;
    }
    return self;
}

bool IsProcessAlive(const ProcessIdentity& process) {
    if (process.pid <= 0) {
        return false;
    }
    if (::kill(static_cast<pid_t>(process.pid), 0) != 0 && errno == ESRCH) {
        return false;
    }
    const auto stat = ReadProcStat(process.pid);
    if (!stat) {
        // Gone between the two looks, or no /proc: trust kill().
        return ::kill(static_cast<pid_t>(process.pid), 0) == 0 || errno != ESRCH;
    }
    if (stat->state == 'Z' || stat->state == 'X') {
        return false;
    }
    return process.startTime == 0 || stat->startTime == process.startTime;
}

} // namespace veltrano::win32
