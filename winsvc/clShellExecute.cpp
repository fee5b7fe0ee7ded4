#include "winsvc/clShellExecute.h"

#include "winsvc/ServiceError.h"

namespace veltrano::winsvc {

namespace {

inline constexpr std::uint32_t kExecuteInfoSize = 60;
inline constexpr std::uint32_t kExecuteMask =
    win32::SEE_MASK_NOCLOSEPROCESS | win32::SEE_MASK_DOENVSUBST; // 0x240

} // namespace

clShellExecute::~clShellExecute() {
    if (lastProcess_ != 0) {
        try {
            shell_.CloseHandle(lastProcess_);
        } catch (...) {
            // A destructor cannot report; the handle table frees it with the shell object.
        }
    }
}

void clShellExecute::Reset() {
    const std::int32_t process = lastProcess_;
    lastInstance_ = 0;
    lastProcess_ = 0;
    if (process != 0) {
        shell_.CloseHandle(process);
    }
}

bool clShellExecute::StillExecuting() {
    try {
        if (lastInstance_ == 0) {
            return false;
        }
        std::uint32_t code = 0;
        if (!shell_.GetExitCodeProcess(lastProcess_, code)) {
            return false;
        }
        return code == win32::STILL_ACTIVE;
    } catch (...) {
        ReportCurrentError(forms_, "StillExecuting");
        return false;
    }
}

std::int32_t clShellExecute::Execute(std::string_view operation, std::int32_t hwnd,
                                     const char* verb, const std::string& file, int show) {
    try {
        Reset();
        std::optional<std::string> verbText;
        if (verb != nullptr) {
            verbText = verb;
        }
        return ResultCode(
            shell_.ShellExecuteA(hwnd, verbText, file, std::nullopt, std::nullopt, show));
    } catch (...) {
        ReportCurrentError(forms_, operation);
        return kErrorResult;
    }
}

std::int32_t clShellExecute::ExecuteEx(std::string_view operation, std::int32_t hwnd,
                                       const std::string& file, const std::string& parameters,
                                       const std::string& directory, int show) {
    try {
        Reset();
        win32::SHELLEXECUTEINFO info;
        info.cbSize = kExecuteInfoSize;
        info.fMask = kExecuteMask;
        info.hwnd = hwnd;
        info.lpVerb = "Open";
        info.lpFile = file;
        info.lpParameters = parameters;
        info.lpDirectory = directory;
        info.nShow = show;
        // The call's own result is not used: hInstApp tells success and failure apart.
        shell_.ShellExecuteExA(info);
        lastInstance_ = info.hInstApp;
        lastProcess_ = info.hProcess;
        return ResultCode(info.hInstApp);
    } catch (...) {
        ReportCurrentError(forms_, operation);
        return kErrorResult;
    }
}

std::int32_t clShellExecute::Explore(std::int32_t lnghWnd, const std::string& strFolder,
                                     int eShowStyle) {
    return Execute("Explore", lnghWnd, "explore", strFolder, eShowStyle);
}

std::int32_t clShellExecute::LaunchDocument(std::int32_t lnghWnd, const std::string& strDocument,
                                            const std::string& strStartIn, int eShowStyle) {
    return ExecuteEx("LaunchDocument", lnghWnd, strDocument, {}, strStartIn, eShowStyle);
}

std::int32_t clShellExecute::LaunchEmail(std::int32_t lnghWnd, const std::string& strAddress,
                                         int eShowStyle) {
    try {
        return Execute("LaunchEmail", lnghWnd, nullptr, "mailto:" + strAddress, eShowStyle);
    } catch (...) {
        ReportCurrentError(forms_, "LaunchEmail");
        return kErrorResult;
    }
}

std::int32_t clShellExecute::LaunchFolder(std::int32_t lnghWnd, const std::string& strFolder,
                                          int eShowStyle) {
    return Execute("LaunchFolder", lnghWnd, "open", strFolder, eShowStyle);
}

std::int32_t clShellExecute::LaunchProgram(std::int32_t lnghWnd, const std::string& strProgram,
                                           const std::string& strParameters,
                                           const std::string& strStartIn, int eShowStyle) {
    return ExecuteEx("LaunchProgram", lnghWnd, strProgram, strParameters, strStartIn, eShowStyle);
}

std::int32_t clShellExecute::LaunchURL(std::int32_t lnghWnd, const std::string& strURL,
                                       int eShowStyle) {
    return Execute("LaunchURL", lnghWnd, nullptr, strURL, eShowStyle);
}

std::int32_t clShellExecute::PrintDocument(std::int32_t lnghWnd, const std::string& strDocument) {
    return Execute("PrintDocument", lnghWnd, "print", strDocument, win32::SW_HIDE);
}

} // namespace veltrano::winsvc
