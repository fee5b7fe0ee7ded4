#include "platform/win32/windows/NativeDialogs.h"

#include <windows.h>

#include <commdlg.h>

namespace veltrano::win32 {

namespace {

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

DWORD StructSize(RecordSize size) {
    switch (size) {
    case RecordSize::WithoutReserved:
        return OPENFILENAME_SIZE_VERSION_400W;
    case RecordSize::Full:
        return sizeof(OPENFILENAMEW);
    case RecordSize::Invalid:
        break;
    }
    return 0;
}

} // namespace

WideDialogResult ShowWideFileDialog(WideFileDialog& dialog, bool open) {
    OPENFILENAMEW ofn{};
    ofn.lStructSize = StructSize(dialog.size);
    ofn.hwndOwner = reinterpret_cast<HWND>(static_cast<INT_PTR>(dialog.owner));
    ofn.lpstrFilter = OrNull(dialog.filter);
    ofn.nFilterIndex = dialog.filterIndex;
    ofn.lpstrFile = dialog.file.empty() ? nullptr : dialog.file.data();
    ofn.nMaxFile = static_cast<DWORD>(dialog.file.size());
    ofn.lpstrFileTitle = dialog.fileTitle.empty() ? nullptr : dialog.fileTitle.data();
    ofn.nMaxFileTitle = static_cast<DWORD>(dialog.fileTitle.size());
    ofn.lpstrInitialDir = OrNull(dialog.initialDir);
    ofn.lpstrTitle = OrNull(dialog.title);
    ofn.Flags = dialog.flags;
    ofn.lpstrDefExt = OrNull(dialog.defExt);

    WideDialogResult result;
    result.value = open ? ::GetOpenFileNameW(&ofn) : ::GetSaveFileNameW(&ofn);
    result.extendedError = result.value == 0 ? ::CommDlgExtendedError() : 0;
    dialog.filterIndex = ofn.nFilterIndex;
    dialog.flags = ofn.Flags;
    dialog.fileOffset = ofn.nFileOffset;
    dialog.fileExtension = ofn.nFileExtension;
    return result;
}

} // namespace veltrano::win32
