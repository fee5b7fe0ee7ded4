#pragma once

// GetOpenFileNameW and GetSaveFileNameW over a record of wide strings. Kept apart from the
// record of ComDlg32.h because windows.h defines macros of the same names as its fields.

#include <cstdint>
#include <string>

namespace veltrano::win32 {

enum class RecordSize {
    WithoutReserved, // the size of the record up to lpTemplateName
    Full,            // with pvReserved, dwReserved and FlagsEx
    Invalid,         // anything else: the dialog refuses the record
};

// OPENFILENAMEW's data; empty texts are passed as null pointers. file and fileTitle are the
// buffers the dialog writes into: their sizes are nMaxFile and nMaxFileTitle.
struct WideFileDialog {
    RecordSize size = RecordSize::WithoutReserved;
    std::int32_t owner = 0;
    std::wstring filter;
    std::uint32_t filterIndex = 0;
    std::wstring file;
    std::wstring fileTitle;
    std::wstring initialDir;
    std::wstring title;
    std::uint32_t flags = 0;
    std::uint16_t fileOffset = 0;
    std::uint16_t fileExtension = 0;
    std::wstring defExt;
};

struct WideDialogResult {
    std::int32_t value = 0;          // what the call returned
    std::uint32_t extendedError = 0; // CommDlgExtendedError() after it
};

WideDialogResult ShowWideFileDialog(WideFileDialog& dialog, bool open);

} // namespace veltrano::win32
