#include "RemoteControls.h"

#include <cstring>
#include <stdexcept>

namespace veltrano::testsupport {

namespace {

constexpr int kTextChars = 512;

} // namespace

RemoteMemory::RemoteMemory(HWND window, std::size_t size) {
    DWORD id = 0;
    ::GetWindowThreadProcessId(window, &id);
    process_ = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (process_ == nullptr) {
        throw std::runtime_error("the program's process cannot be opened");
    }
    address_ = ::VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (address_ == nullptr) {
        ::CloseHandle(process_);
        throw std::runtime_error("no memory in the program's process");
    }
}

RemoteMemory::~RemoteMemory() {
    ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    ::CloseHandle(process_);
}

void RemoteMemory::Write(const void* data, std::size_t size, std::size_t offset) {
    if (!::WriteProcessMemory(process_, At(offset), data, size, nullptr)) {
        throw std::runtime_error("WriteProcessMemory failed");
    }
}

void RemoteMemory::Read(void* data, std::size_t size, std::size_t offset) const {
    if (!::ReadProcessMemory(process_, At(offset), data, size, nullptr)) {
        throw std::runtime_error("ReadProcessMemory failed");
    }
}

std::wstring TreeItemText(HWND tree, HTREEITEM item) {
    RemoteMemory memory(tree, sizeof(TVITEMW) + kTextChars * sizeof(wchar_t));
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = reinterpret_cast<wchar_t*>(memory.At(sizeof(TVITEMW)));
    request.cchTextMax = kTextChars;
    memory.Write(&request, sizeof(request));
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(memory.At()));
    wchar_t text[kTextChars] = {};
    memory.Read(text, sizeof(text), sizeof(TVITEMW));
    text[kTextChars - 1] = L'\0';
    return text;
}

HTREEITEM TreeChild(HWND tree, HTREEITEM parent, const std::wstring& text) {
    HTREEITEM child = nullptr;
    if (parent == nullptr) {
        child = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    } else {
        ::SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
        child = reinterpret_cast<HTREEITEM>(
            ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent)));
    }
    for (; child != nullptr;
         child = reinterpret_cast<HTREEITEM>(
             ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)))) {
        if (TreeItemText(tree, child) == text) {
            return child;
        }
    }
    return nullptr;
}

RECT TreeItemTextRect(HWND tree, HTREEITEM item) {
    RemoteMemory memory(tree, sizeof(RECT));
    // The message reads the item from the rectangle's first bytes.
    RECT rect{};
    std::memcpy(&rect, &item, sizeof(item));
    memory.Write(&rect, sizeof(rect));
    ::SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(memory.At()));
    memory.Read(&rect, sizeof(rect));
    return rect;
}

std::wstring ListCellText(HWND list, int row, int column) {
    RemoteMemory memory(list, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    LVITEMW request{};
    request.iSubItem = column;
    request.pszText = reinterpret_cast<wchar_t*>(memory.At(sizeof(LVITEMW)));
    request.cchTextMax = kTextChars;
    memory.Write(&request, sizeof(request));
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(memory.At()));
    wchar_t text[kTextChars] = {};
    memory.Read(text, sizeof(text), sizeof(LVITEMW));
    text[kTextChars - 1] = L'\0';
    return text;
}

HDITEMW HeaderItem(HWND header, int index) {
    RemoteMemory memory(header, sizeof(HDITEMW));
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    memory.Write(&item, sizeof(item));
    ::SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(memory.At()));
    memory.Read(&item, sizeof(item));
    return item;
}

RECT HeaderItemRect(HWND header, int index) {
    RemoteMemory memory(header, sizeof(RECT));
    ::SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(memory.At()));
    RECT rect{};
    memory.Read(&rect, sizeof(rect));
    return rect;
}

void PostClick(HWND window, POINT point) {
    const LPARAM at = MAKELPARAM(point.x, point.y);
    ::PostMessageW(window, WM_MOUSEMOVE, 0, at);
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(window, WM_LBUTTONUP, 0, at);
}

} // namespace veltrano::testsupport
