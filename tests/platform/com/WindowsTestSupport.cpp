#include "WindowsTestSupport.h"

#include "platform/win32/windows/WideText.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace veltrano::testsupport {

namespace {

std::wstring Quoted(const std::wstring& arg) {
    // The quoting CommandLineToArgvW and the C runtime undo.
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

HANDLE InheritableFile(const fs::path& file, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES security{sizeof(security), nullptr, TRUE};
    const HANDLE handle = ::CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        &security, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot open " + win32::Narrow(file.wstring()));
    }
    return handle;
}

struct FindWindow {
    DWORD process;
    const std::wstring& className;
    HWND found = nullptr;
};

BOOL CALLBACK FindWindowProc(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<FindWindow*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t name[257] = {};
    ::GetClassNameW(window, name, 257);
    if (owner == search->process && ::IsWindowVisible(window) && search->className == name) {
        search->found = window;
    }
    return TRUE;
}

} // namespace

WinTempFolder::WinTempFolder() {
    wchar_t base[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH + 1, base);
    for (unsigned attempt = 0;; ++attempt) {
        path_ = fs::path(base) /
                (L"veltrano-com-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                 std::to_wstring(::GetTickCount64()) + L"-" + std::to_wstring(attempt));
        if (fs::create_directory(path_)) {
            return;
        }
    }
}

WinTempFolder::~WinTempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path ProgramFolder() {
    wchar_t self[MAX_PATH * 4] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    return fs::path(self).parent_path().parent_path().parent_path() / "bin";
}

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ChildProcess::ChildProcess(const fs::path& program, const std::vector<std::string>& args,
                           const fs::path& folder, const std::string& name)
    : out_(folder / (name + ".out")), err_(folder / (name + ".err")) {
    std::wstring commandLine = Quoted(program.wstring());
    for (const std::string& arg : args) {
        commandLine += L" " + Quoted(win32::Widen(arg));
    }
    const HANDLE in = InheritableFile(L"NUL", GENERIC_READ, OPEN_EXISTING);
    const HANDLE out = InheritableFile(out_, GENERIC_WRITE, CREATE_ALWAYS);
    const HANDLE err = InheritableFile(err_, GENERIC_WRITE, CREATE_ALWAYS);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    const BOOL started = ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr,
                                          TRUE, 0, nullptr, nullptr, &startup, &info_);
    ::CloseHandle(in);
    ::CloseHandle(out);
    ::CloseHandle(err);
    if (!started) {
        throw std::runtime_error("cannot start " + win32::Narrow(program.wstring()));
    }
}

ChildProcess::~ChildProcess() {
    if (::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(info_.hProcess, 99);
        ::WaitForSingleObject(info_.hProcess, 10000);
    }
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
}

DWORD ChildProcess::Wait(DWORD milliseconds) {
    if (::WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) {
        return WAIT_TIMEOUT;
    }
    DWORD status = 0;
    ::GetExitCodeProcess(info_.hProcess, &status);
    return status;
}

RunResult RunProgram(const fs::path& program, const std::vector<std::string>& args,
                     const fs::path& folder) {
    ChildProcess child(program, args, folder, "run");
    const DWORD status = child.Wait();
    return {status, child.Out(), child.Err()};
}

HWND WindowOf(DWORD process, const std::wstring& className) {
    FindWindow search{process, className};
    ::EnumWindows(FindWindowProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace veltrano::testsupport
