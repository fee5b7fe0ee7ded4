#pragma once

// The top-level windows on Linux: those that running stand-in ACT! programs registered.
// A window's handle is its program's pid.

#include "platform/win32/User32.h"
#include "platform/win32/linux/WindowRegistry.h"

#include <filesystem>
#include <optional>

namespace veltrano::win32 {

class RegisteredWindows final : public User32 {
public:
    // The registration folder need not exist yet.
    explicit RegisteredWindows(std::filesystem::path folder) : registry_(std::move(folder)) {}

    // Enumerates in registration order, so that the later registered program comes last.
    // Throws RegistrationError when the folder exists but is not private to the user.
    void EnumWindows(const std::function<bool(HWND)>& callback) override;
    bool IsWindowVisible(HWND hwnd) override;
    bool IsWindow(HWND hwnd) override;
    int GetClassNameA(HWND hwnd, char* buffer, int size) override;
    int GetWindowTextLengthA(HWND hwnd) override;
    int GetWindowTextA(HWND hwnd, char* buffer, int size) override;

    const WindowRegistry& Registry() const noexcept { return registry_; }

private:
    std::optional<WindowEntry> Window(HWND hwnd) const { return registry_.FindLive(hwnd); }

    WindowRegistry registry_;
};

} // namespace veltrano::win32
