#include "platform/win32/windows/WindowsComDlg32.h"

#include "platform/win32/windows/NativeDialogs.h"
#include "platform/win32/windows/WideText.h"

#include <algorithm>
#include <string_view>

namespace veltrano::win32 {

namespace {

std::string_view TextOf(std::string_view field) {
    return field.substr(0, field.find('\0'));
}

RecordSize SizeOf(std::uint32_t structSize) {
    if (structSize == kRecordSizeWithoutReserved) {
        return RecordSize::WithoutReserved;
    }
    return structSize == kRecordSizeFull ? RecordSize::Full : RecordSize::Invalid;
}

// A buffer of `size` wide characters that starts with the text of a record buffer.
std::wstring WideBuffer(std::string_view field, std::uint32_t size) {
    std::wstring buffer = Widen(TextOf(field));
    buffer.resize(std::max<std::size_t>(size, buffer.size() + 1), L'\0');
    buffer.resize(size);
    return buffer;
}

// The answer in the wide buffer: up to its first NUL, or with an Explorer multi-selection up to
// the NUL pair (both NULs kept).
std::wstring_view AnswerOf(std::wstring_view buffer, bool multiSelect) {
    const std::size_t first = buffer.find(L'\0');
    if (first == std::wstring_view::npos) {
        return buffer;
    }
    if (!multiSelect) {
        return buffer.substr(0, first + 1);
    }
    const std::size_t pair = buffer.find(std::wstring_view(L"\0\0", 2));
    return pair == std::wstring_view::npos ? buffer : buffer.substr(0, pair + 2);
}

// A wide offset into the answer as a byte offset into its UTF-8 text.
std::uint16_t ByteOffset(std::wstring_view answer, std::uint16_t offset) {
    const std::size_t end = std::min<std::size_t>(offset, answer.size());
    return static_cast<std::uint16_t>(Narrow(answer.substr(0, end)).size() + (offset - end));
}

void Fill(std::string& buffer, std::uint32_t size, const std::string& text) {
    buffer = text;
    buffer.resize(std::max<std::size_t>(size, text.size()), '\0');
}

} // namespace

std::int32_t WindowsComDlg32::Run(OPENFILENAME& ofn, bool open) {
    WideFileDialog dialog;
    dialog.size = SizeOf(ofn.lStructSize);
    dialog.owner = ofn.hwndOwner;
    dialog.filter = Widen(ofn.lpstrFilter);
    dialog.filterIndex = ofn.nFilterIndex;
    dialog.file = WideBuffer(ofn.lpstrFile, ofn.nMaxFile);
    dialog.fileTitle = WideBuffer({}, ofn.nMaxFileTitle);
    dialog.initialDir = Widen(TextOf(ofn.lpstrInitialDir));
    dialog.title = Widen(TextOf(ofn.lpstrTitle));
    dialog.flags = ofn.Flags;
    dialog.defExt = Widen(TextOf(ofn.lpstrDefExt));

    const WideDialogResult result = ShowWideFileDialog(dialog, open);
    extendedError_ = result.extendedError;
    if (result.value == 0) {
        return 0;
    }
    const bool multiSelect =
        (ofn.Flags & OFN_ALLOWMULTISELECT) != 0 && (ofn.Flags & OFN_EXPLORER) != 0;
    const std::wstring_view answer = AnswerOf(dialog.file, multiSelect);
    Fill(ofn.lpstrFile, ofn.nMaxFile, Narrow(answer));
    ofn.nFileOffset = ByteOffset(answer, dialog.fileOffset);
    ofn.nFileExtension = dialog.fileExtension == 0 ? 0 : ByteOffset(answer, dialog.fileExtension);
    if (ofn.nMaxFileTitle > 0) {
        Fill(ofn.lpstrFileTitle, ofn.nMaxFileTitle, NarrowUntilNul(dialog.fileTitle));
    }
    ofn.nFilterIndex = dialog.filterIndex;
    return result.value;
}

} // namespace veltrano::win32
