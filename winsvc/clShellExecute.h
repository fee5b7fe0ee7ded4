#pragma once

// Hands documents, folders, programs, web and mail addresses to the shell with one result code:
// -1 when the shell reports success (a value above 32), otherwise the shell's own error value.

#include "platform/forms/FormsRuntime.h"
#include "platform/win32/Shell32.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrano::winsvc {

class clShellExecute {
public:
    static constexpr int kDefaultShowStyle = win32::SW_SHOWDEFAULT;
    // What an operation returns after a reported run-time error: a shell failure value.
    static constexpr std::int32_t kErrorResult = 0;

    clShellExecute(win32::Shell32& shell, forms::FormsRuntime& forms) noexcept
        : shell_(shell), forms_(forms) {}
    // Releases the process handle kept from the last launch; the process itself runs on.
    ~clShellExecute();
    clShellExecute(const clShellExecute&) = delete;
    clShellExecute& operator=(const clShellExecute&) = delete;

    std::int32_t LastInstance() const noexcept { return lastInstance_; }
    std::int32_t LastProcess() const noexcept { return lastProcess_; }
    // True while the process of the last LaunchDocument or LaunchProgram runs.
    bool StillExecuting();

    std::int32_t Explore(std::int32_t lnghWnd, const std::string& strFolder,
                         int eShowStyle = kDefaultShowStyle);
    std::int32_t LaunchDocument(std::int32_t lnghWnd, const std::string& strDocument,
                                const std::string& strStartIn, int eShowStyle = kDefaultShowStyle);
    std::int32_t LaunchEmail(std::int32_t lnghWnd, const std::string& strAddress,
                             int eShowStyle = kDefaultShowStyle);
    std::int32_t LaunchFolder(std::int32_t lnghWnd, const std::string& strFolder,
                              int eShowStyle = kDefaultShowStyle);
    std::int32_t LaunchProgram(std::int32_t lnghWnd, const std::string& strProgram,
                               const std::string& strParameters = {},
                               const std::string& strStartIn = {},
                               int eShowStyle = kDefaultShowStyle);
    std::int32_t LaunchURL(std::int32_t lnghWnd, const std::string& strURL,
                           int eShowStyle = kDefaultShowStyle);
    std::int32_t PrintDocument(std::int32_t lnghWnd, const std::string& strDocument);

private:
    // verb nullptr: the handler's default action.
    std::int32_t Execute(std::string_view operation, std::int32_t hwnd, const char* verb,
                         const std::string& file, int show);
    std::int32_t ExecuteEx(std::string_view operation, std::int32_t hwnd, const std::string& file,
                           const std::string& parameters, const std::string& directory, int show);
    // Forgets the last launch, closing the handle it kept.
    void Reset();

    win32::Shell32& shell_;
    forms::FormsRuntime& forms_;
    std::int32_t lastInstance_ = 0;
    std::int32_t lastProcess_ = 0;
};

// The result code of a shell value: -1 above 32, the value itself otherwise.
constexpr std::int32_t ResultCode(std::int32_t shellValue) noexcept {
    return shellValue > 32 ? -1 : shellValue;
}

} // namespace veltrano::winsvc
