#include "winsvc/clFileDialog.h"

#include "winsvc/ServiceError.h"

#include <algorithm>

namespace veltrano::winsvc {

namespace {

inline constexpr std::uint32_t kRecordSize = 76;

bool IsMultiSelect(std::uint32_t flags) noexcept {
    return (flags & win32::OFN_ALLOWMULTISELECT) != 0 && (flags & win32::OFN_EXPLORER) != 0;
}

} // namespace

std::string ConvertFilter(std::string_view filter) {
    std::string block(filter);
    std::replace(block.begin(), block.end(), '|', '\0');
    block.append(2, '\0');
    return block;
}

std::string MakeReturnBuffer(std::string_view text, std::size_t size) {
    std::string buffer(text.substr(0, size == 0 ? 0 : size - 1));
    buffer.resize(size, '\0');
    return buffer;
}

std::string TrimNullsText(std::string_view buffer, bool multiSelect) {
    const std::size_t firstNul = buffer.find('\0');
    if (!multiSelect || firstNul == std::string_view::npos) {
        return std::string(buffer.substr(0, firstNul));
    }
    if (firstNul == 0) {
        return {};
    }
    std::size_t end = firstNul;
    while (end != std::string_view::npos && end + 1 < buffer.size() && buffer[end + 1] != '\0') {
        end = buffer.find('\0', end + 1);
    }
    std::string text(buffer.substr(0, end));
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text;
}

win32::OPENFILENAME clFileDialog::BuildRecord() const {
    if (maxFileSize_ < 1) {
        throw ServiceError(kInvalidProcedureCall, "Invalid procedure call or argument");
    }
    const auto size = static_cast<std::uint32_t>(maxFileSize_);
    win32::OPENFILENAME ofn;
    ofn.lStructSize = kRecordSize;
    ofn.hwndOwner = hWndParent_;
    ofn.lpstrTitle = dialogTitle_;
    ofn.Flags = static_cast<std::uint32_t>(flags_);
    ofn.lpstrDefExt = defaultExt_;
    // The 16-bit index is handed on as the dialog's unsigned field, as the record stores it.
    ofn.nFilterIndex = static_cast<std::uint32_t>(static_cast<std::int32_t>(filterIndex_));
    ofn.lpstrInitialDir = initialDir_;
    ofn.lpstrFilter = ConvertFilter(filter_);
    ofn.lpstrFile = MakeReturnBuffer(fileName_, size);
    ofn.nMaxFile = size;
    ofn.lpstrFileTitle = MakeReturnBuffer(fileTitle_, size);
    ofn.nMaxFileTitle = size;
    return ofn;
}

bool clFileDialog::Show(bool fOpen) {
    try {
        win32::OPENFILENAME ofn = BuildRecord();
        const bool multiSelect = IsMultiSelect(ofn.Flags);
        const std::int32_t result =
            fOpen ? comdlg_.GetOpenFileNameA(ofn) : comdlg_.GetSaveFileNameA(ofn);
        if (result == 0) {
            return false;
        }
        std::optional<std::string> fileName = TrimNulls(ofn.lpstrFile, multiSelect);
        if (!fileName) {
            return false;
        }
        std::optional<std::string> fileTitle = TrimNulls(ofn.lpstrFileTitle, multiSelect);
        if (!fileTitle) {
            return false;
        }
        fileName_ = std::move(*fileName);
        fileTitle_ = std::move(*fileTitle);
        return true;
    } catch (...) {
        ReportCurrentError(forms_, "Show");
        return false;
    }
}

std::optional<std::string> clFileDialog::TrimNulls(std::string_view buffer, bool multiSelect) {
    try {
        return TrimNullsText(buffer, multiSelect);
    } catch (...) {
        ReportCurrentError(forms_, "TrimNulls");
        return std::nullopt;
    }
}

} // namespace veltrano::winsvc
