#pragma once

// The common Open/Save dialog as a class of plain properties: set them, call Show, read FileName.

#include "platform/forms/FormsRuntime.h"
#include "platform/win32/ComDlg32.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrano::winsvc {

class clFileDialog {
public:
    static constexpr std::int16_t kDefaultMaxFileSize = 260;

    clFileDialog(win32::ComDlg32& comdlg, forms::FormsRuntime& forms) noexcept
        : comdlg_(comdlg), forms_(forms) {}

    const std::string& DefaultExt() const noexcept { return defaultExt_; }
    void DefaultExt(std::string value) { defaultExt_ = std::move(value); }
    const std::string& DialogTitle() const noexcept { return dialogTitle_; }
    void DialogTitle(std::string value) { dialogTitle_ = std::move(value); }
    const std::string& FileName() const noexcept { return fileName_; }
    void FileName(std::string value) { fileName_ = std::move(value); }
    const std::string& FileTitle() const noexcept { return fileTitle_; }
    void FileTitle(std::string value) { fileTitle_ = std::move(value); }
    const std::string& InitialDir() const noexcept { return initialDir_; }
    void InitialDir(std::string value) { initialDir_ = std::move(value); }
    const std::string& Filter() const noexcept { return filter_; }
    void Filter(std::string value) { filter_ = std::move(value); }
    std::int16_t FilterIndex() const noexcept { return filterIndex_; }
    void FilterIndex(std::int16_t value) noexcept { filterIndex_ = value; }
    std::int32_t Flags() const noexcept { return flags_; }
    void Flags(std::int32_t value) noexcept { flags_ = value; }
    std::int16_t MaxFileSize() const noexcept { return maxFileSize_; }
    void MaxFileSize(std::int16_t value) noexcept { maxFileSize_ = value; }
    std::int32_t hWndParent() const noexcept { return hWndParent_; }
    void hWndParent(std::int32_t value) noexcept { hWndParent_ = value; }

    // Open dialog when fOpen, else Save. True when the user confirmed a file; only then are
    // FileName and FileTitle replaced. False after a cancel, a dialog failure or a reported error.
    bool Show(bool fOpen);

private:
    win32::OPENFILENAME BuildRecord() const;
    // The text of a returned buffer; nullopt after a reported error.
    std::optional<std::string> TrimNulls(std::string_view buffer, bool multiSelect);

    win32::ComDlg32& comdlg_;
    forms::FormsRuntime& forms_;
    std::string defaultExt_;
    std::string dialogTitle_;
    std::string fileName_;
    std::string fileTitle_;
    std::string initialDir_;
    std::string filter_;
    std::int16_t filterIndex_ = 0;
    std::int32_t flags_ = 0;
    std::int16_t maxFileSize_ = kDefaultMaxFileSize;
    std::int32_t hWndParent_ = 0;
};

// "|" becomes NUL and two NULs close the block: "A|*.a" gives "A", NUL, "*.a", NUL, NUL.
std::string ConvertFilter(std::string_view filter);

// A return buffer of `size` characters holding `text`, cut so that at least one NUL follows.
std::string MakeReturnBuffer(std::string_view text, std::size_t size);

// The text of a returned buffer: up to the first NUL, or with multiSelect up to the first NUL
// pair, the single NULs before it turned into blanks. A buffer that starts with NUL gives "";
// the buffer's end counts as a terminator, so one without any is taken whole.
std::string TrimNullsText(std::string_view buffer, bool multiSelect);

} // namespace veltrano::winsvc
