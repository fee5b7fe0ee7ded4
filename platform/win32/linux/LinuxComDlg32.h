#pragma once

// The common dialog on Linux: the record becomes a request to the forms runtime's file dialog,
// and its answer is written back into the record's buffers the way Windows writes them.

#include "platform/forms/FormsRuntime.h"
#include "platform/win32/ComDlg32.h"

#include <string>
#include <vector>

namespace veltrano::win32 {

class LinuxComDlg32 final : public ComDlg32 {
public:
    explicit LinuxComDlg32(forms::FormsRuntime& forms) noexcept : forms_(forms) {}

    std::int32_t GetOpenFileNameA(OPENFILENAME& ofn) override { return Run(ofn, true); }
    std::int32_t GetSaveFileNameA(OPENFILENAME& ofn) override { return Run(ofn, false); }

private:
    std::int32_t Run(OPENFILENAME& ofn, bool open);

    forms::FormsRuntime& forms_;
};

// What the record asks the dialog to show.
forms::FileDialogRequest RequestOf(const OPENFILENAME& ofn, bool open);

// Writes the chosen paths into lpstrFile and lpstrFileTitle: one file as its full path; several
// as "folder NUL name NUL name NUL NUL" (Explorer style) or "folder name name NUL" (old style,
// OFN_ALLOWMULTISELECT without OFN_EXPLORER). False, with the buffers untouched, when nothing was
// chosen or the answer does not fit nMaxFile.
bool WriteAnswer(OPENFILENAME& ofn, const std::vector<std::string>& paths);

} // namespace veltrano::win32
