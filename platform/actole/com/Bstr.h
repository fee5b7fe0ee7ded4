#pragma once

// Automation strings: UTF-8 inside the program, BSTR (UTF-16 with a length) at the COM boundary.

#include <windows.h>

#include <ole2.h>

#include <string>
#include <string_view>
#include <utility>

namespace veltrano::ole::com {

// A BSTR owned by the program; freed when it goes.
class Bstr {
public:
    Bstr() = default;
    // Throws std::bad_alloc when the string cannot be allocated.
    explicit Bstr(std::string_view utf8);
    ~Bstr() { ::SysFreeString(bstr_); }

    static Bstr Attach(BSTR bstr) noexcept {
        Bstr result;
        result.bstr_ = bstr;
        return result;
    }

    Bstr(Bstr&& other) noexcept : bstr_(std::exchange(other.bstr_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept {
        std::swap(bstr_, other.bstr_);
        return *this;
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const noexcept { return bstr_; }
    BSTR Detach() noexcept { return std::exchange(bstr_, nullptr); }
    std::string ToUtf8() const;

private:
    BSTR bstr_ = nullptr;
};

// The text of a BSTR (a null BSTR is ""); embedded NULs are kept.
std::string Utf8Of(BSTR bstr);

} // namespace veltrano::ole::com
