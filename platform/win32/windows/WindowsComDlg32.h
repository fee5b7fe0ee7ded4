#pragma once

// The common dialog of Windows: the record is handed to GetOpenFileNameW/GetSaveFileNameW in
// UTF-16, and the answer is written back into the record's buffers in UTF-8, in the layout
// the dialog writes (one full path, or "folder NUL name NUL name NUL NUL"), with nFileOffset
// and nFileExtension counted in bytes of that text. A failed or cancelled dialog leaves the
// buffers as they were; CommDlgExtendedError tells why (0 after a cancel).

#include "platform/win32/ComDlg32.h"

#include <cstdint>

namespace veltrano::win32 {

// lStructSize of the record without and with the three reserved fields at its end.
inline constexpr std::uint32_t kRecordSizeWithoutReserved = 76;
inline constexpr std::uint32_t kRecordSizeFull = 88;

inline constexpr std::uint32_t CDERR_STRUCTSIZE = 0x0001;
inline constexpr std::uint32_t FNERR_BUFFERTOOSMALL = 0x3003;

class WindowsComDlg32 final : public ComDlg32 {
public:
    std::int32_t GetOpenFileNameA(OPENFILENAME& ofn) override { return Run(ofn, true); }
    std::int32_t GetSaveFileNameA(OPENFILENAME& ofn) override { return Run(ofn, false); }

    // The reason the last dialog returned 0.
    std::uint32_t CommDlgExtendedError() const noexcept { return extendedError_; }

private:
    std::int32_t Run(OPENFILENAME& ofn, bool open);

    std::uint32_t extendedError_ = 0;
};

} // namespace veltrano::win32
