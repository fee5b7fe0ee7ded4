#pragma once

// The common dialog record and calls, as the dialog class builds them.

#include <cstdint>
#include <string>

namespace veltrano::win32 {

inline constexpr std::uint32_t OFN_ALLOWMULTISELECT = 0x00000200;
inline constexpr std::uint32_t OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr std::uint32_t OFN_EXPLORER = 0x00080000;

// OPENFILENAME in its 76-byte form. The string fields are buffers whose NULs matter:
// lpstrFilter ends with two NULs, lpstrFile and lpstrFileTitle are nMaxFile characters long.
struct OPENFILENAME {
    std::uint32_t lStructSize = 0;
    std::int32_t hwndOwner = 0;
    std::int32_t hInstance = 0;
    std::string lpstrFilter;
    std::string lpstrCustomFilter;
    std::uint32_t nMaxCustFilter = 0;
    std::uint32_t nFilterIndex = 0;
    std::string lpstrFile;
    std::uint32_t nMaxFile = 0;
    std::string lpstrFileTitle;
    std::uint32_t nMaxFileTitle = 0;
    std::string lpstrInitialDir;
    std::string lpstrTitle;
    std::uint32_t Flags = 0;
    std::uint16_t nFileOffset = 0;
    std::uint16_t nFileExtension = 0;
    std::string lpstrDefExt;
    std::int32_t lCustData = 0;
    std::int32_t lpfnHook = 0;
    std::int32_t lpTemplateName = 0;
};

class ComDlg32 {
public:
    virtual ~ComDlg32() = default;
    // Non-zero when the user chose a file; the answer is written into the record's buffers.
    virtual std::int32_t GetOpenFileNameA(OPENFILENAME& ofn) = 0;
    virtual std::int32_t GetSaveFileNameA(OPENFILENAME& ofn) = 0;
};

} // namespace veltrano::win32
