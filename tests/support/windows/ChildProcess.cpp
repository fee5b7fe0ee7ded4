#include "support/windows/ChildProcess.h"

#include "support/TempFolder.h"
#include "support/windows/TestHelpers.h"

#include <exception>
#include <stdexcept>

namespace veltrano::testsupport {

namespace {

std::wstring Wide(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end())).wstring();
}

// The environment block: ours with the changes, sorted as Windows expects.
std::wstring EnvironmentBlock(const EnvironmentChanges& changes) {
    const auto upper = [](std::wstring name) {
        for (auto& c : name) {
            c = static_cast<wchar_t>(::towupper(c));
        }
        return name;
    };
    std::map<std::wstring, std::pair<std::wstring, std::wstring>> variables; // by upper-case name
    wchar_t* block = ::GetEnvironmentStringsW();
    for (const wchar_t* entry = block; *entry != L'\0'; entry += wcslen(entry) + 1) {
        const std::wstring text(entry);
        const auto equals = text.find(L'=', 1); // "=C:=C:\..." entries start with '='
        if (equals != std::wstring::npos) {
            variables[upper(text.substr(0, equals))] = {text.substr(0, equals),
                                                        text.substr(equals + 1)};
        }
    }
    ::FreeEnvironmentStringsW(block);
    for (const auto& [name, value] : changes) {
        if (value) {
            variables[upper(Wide(name))] = {Wide(name), Wide(*value)};
        } else {
            variables.erase(upper(Wide(name)));
        }
    }
    std::wstring result;
    for (const auto& [key, variable] : variables) {
        result += variable.first + L"=" + variable.second + L'\0';
    }
    return result + L'\0';
}

HANDLE InheritableFile(const std::filesystem::path& file, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE handle = ::CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot open " + file.string());
    }
    return handle;
}

// The command line of CreateProcess for these words, quoted so that the C runtime and
// CommandLineToArgvW read the same words back.
std::wstring CommandLineOf(const std::vector<std::wstring>& words) {
    std::wstring line;
    for (const auto& word : words) {
        if (!line.empty()) {
            line += L' ';
        }
        line += L'"';
        std::size_t backslashes = 0;
        for (const wchar_t c : word) {
            if (c == L'\\') {
                ++backslashes;
                continue;
            }
            // Backslashes before a quote are doubled, and the quote escaped.
            line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
            backslashes = 0;
            line += c;
        }
        line.append(backslashes * 2, L'\\');
        line += L'"';
    }
    return line;
}

PROCESS_INFORMATION Start(const std::filesystem::path& program,
                          const std::vector<std::string>& args, const std::wstring* environment,
                          STARTUPINFOW& startup) {
    std::vector<std::wstring> words{program.wstring()};
    for (const auto& arg : args) {
        words.push_back(Wide(arg));
    }
    std::wstring commandLine = CommandLineOf(words);
    PROCESS_INFORMATION process{};
    const DWORD flags = environment != nullptr ? CREATE_UNICODE_ENVIRONMENT : 0;
    if (::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr,
                         (startup.dwFlags & STARTF_USESTDHANDLES) != 0, flags,
                         environment != nullptr ? const_cast<wchar_t*>(environment->c_str())
                                                : nullptr,
                         nullptr, &startup, &process) == FALSE) {
        throw std::runtime_error("cannot start " + program.string() + " (error " +
                                 std::to_string(::GetLastError()) + ")");
    }
    ::CloseHandle(process.hThread);
    return process;
}

} // namespace

std::filesystem::path ProgramFolder() {
    std::wstring name(32768, L'\0');
    name.resize(::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size())));
    return std::filesystem::path(name).parent_path();
}

ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const EnvironmentChanges& environment, std::chrono::milliseconds timeout) {
    TempFolder files;
    const auto outFile = files.File("stdout.txt");
    const auto errFile = files.File("stderr.txt");
    ProgramRun run;
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = InheritableFile(L"NUL", GENERIC_READ, OPEN_EXISTING);
        startup.hStdOutput = InheritableFile(outFile, GENERIC_WRITE, CREATE_ALWAYS);
        startup.hStdError = InheritableFile(errFile, GENERIC_WRITE, CREATE_ALWAYS);
        const std::wstring block = EnvironmentBlock(environment);
        PROCESS_INFORMATION process{};
        std::exception_ptr failed;
        try {
            process = Start(program, args, &block, startup);
        } catch (...) {
            failed = std::current_exception();
        }
        for (const HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
            ::CloseHandle(handle);
        }
        if (failed) {
            std::rethrow_exception(failed);
        }
        const DWORD waited =
            ::WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout.count()));
        if (waited != WAIT_OBJECT_0) {
            ::TerminateProcess(process.hProcess, 1);
            ::CloseHandle(process.hProcess);
            throw std::runtime_error(program.string() + " did not end in time");
        }
        ::GetExitCodeProcess(process.hProcess, &run.status);
        ::CloseHandle(process.hProcess);
    }
    run.out = ReadBytes(outFile);
    run.err = ReadBytes(errFile);
    return run;
}

HelperProcess::HelperProcess(const std::filesystem::path& program,
                             const std::vector<std::string>& args) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const PROCESS_INFORMATION process = Start(program, args, nullptr, startup);
    process_ = process.hProcess;
    id_ = process.dwProcessId;
}

HelperProcess::~HelperProcess() {
    if (process_ != nullptr) {
        if (::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(process_, 1);
            ::WaitForSingleObject(process_, 5000);
        }
        ::CloseHandle(process_);
    }
}

std::optional<unsigned long> HelperProcess::WaitExit(std::chrono::milliseconds timeout) {
    if (::WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD status = 0;
    ::GetExitCodeProcess(process_, &status);
    return status;
}

} // namespace veltrano::testsupport
