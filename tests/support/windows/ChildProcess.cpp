#include "support/windows/ChildProcess.h"

#include "support/TempFolder.h"
#include "support/windows/TestHelpers.h"

#include <memory>
#include <stdexcept>

namespace veltrano::testsupport {

namespace {

// Our environment block without the login variables, in its order.
std::wstring EnvironmentWithoutLogin() {
    std::wstring result;
    wchar_t* block = ::GetEnvironmentStringsW();
    for (const wchar_t* entry = block; *entry != L'\0'; entry += wcslen(entry) + 1) {
        if (_wcsnicmp(entry, L"VELTRANO_USER=", 14) != 0 &&
            _wcsnicmp(entry, L"VELTRANO_PASSWORD=", 18) != 0) {
            result.append(entry).push_back(L'\0');
        }
    }
    ::FreeEnvironmentStringsW(block);
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

// The command line of CreateProcess for these words, each quoted (no test passes a word that
// would need escaping: a quote or a trailing backslash).
std::wstring CommandLineOf(const std::vector<std::wstring>& words) {
    std::wstring line;
    for (const auto& word : words) {
        line += (line.empty() ? L"\"" : L" \"") + word + L'"';
    }
    return line;
}

PROCESS_INFORMATION Start(const std::filesystem::path& program,
                          const std::vector<std::string>& args, const std::wstring* environment,
                          STARTUPINFOW& startup) {
    std::vector<std::wstring> words{program.wstring()};
    for (const auto& arg : args) {
        words.push_back(std::filesystem::path(std::u8string(arg.begin(), arg.end())).wstring());
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

ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args) {
    TempFolder files;
    const auto outFile = files.File("stdout.txt");
    const auto errFile = files.File("stderr.txt");
    ProgramRun run;
    {
        using Handle = std::unique_ptr<void, decltype(&::CloseHandle)>;
        const Handle in(InheritableFile(L"NUL", GENERIC_READ, OPEN_EXISTING), &::CloseHandle);
        const Handle out(InheritableFile(outFile, GENERIC_WRITE, CREATE_ALWAYS), &::CloseHandle);
        const Handle err(InheritableFile(errFile, GENERIC_WRITE, CREATE_ALWAYS), &::CloseHandle);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = in.get();
        startup.hStdOutput = out.get();
        startup.hStdError = err.get();
        const std::wstring block = EnvironmentWithoutLogin();
        const Handle process(Start(program, args, &block, startup).hProcess, &::CloseHandle);
        if (::WaitForSingleObject(process.get(), 60000) != WAIT_OBJECT_0) {
            ::TerminateProcess(process.get(), 1);
            throw std::runtime_error(program.string() + " did not end in time");
        }
        ::GetExitCodeProcess(process.get(), &run.status);
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
