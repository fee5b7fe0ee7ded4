#include "platform/win32/CommandLine.h"

#include "platform/win32/windows/WideText.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <memory>

namespace veltrano::win32 {

std::vector<std::string> ProgramArguments(int, char*[]) {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&::LocalFree)> arguments(
        ::CommandLineToArgvW(::GetCommandLineW(), &count), &::LocalFree);
    std::vector<std::string> result;
    for (int i = 1; arguments && i < count; ++i) {
        result.push_back(Narrow(arguments.get()[i]));
    }
    return result;
}

std::optional<std::string> EnvironmentVariable(const std::string& name) {
    const std::wstring wideName = Widen(name);
    const DWORD needed = ::GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (needed == 0) {
        // Unset, or set to "" (which needs one character for the NUL).
        return ::GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt
                                                          : std::optional<std::string>("");
    }
    std::wstring value(needed, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(), needed);
    value.resize(length < needed ? length : 0);
    return Narrow(value);
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

} // namespace veltrano::win32
