#include "RemoteControls.h"

#include <cstring>
#include <stdexcept>

namespace veltrano::testsupport {

namespace {

constexpr int kTextChars = 512;

// Memory in the window's process, where the messages read and fill their records.
class RemoteMemory {
public:
    RemoteMemory(HWND window, std::size_t size) {
        DWORD id = 0;
        ::GetWindowThreadProcessId(window, &id);
        process_ =
            ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
        if (process_ == nullptr) {
            throw std::runtime_error("the program's process cannot be opened");
        }
        address_ =
            ::VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (address_ == nullptr) {
            ::CloseHandle(process_);
            throw std::runtime_error("no memory in the program's process");
        }
    }
    ~RemoteMemory() {
        ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        ::CloseHandle(process_);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    char* At(std::size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
    void Write(const void* data, std::size_t size) {
        if (!::WriteProcessMemory(process_, address_, data, size, nullptr)) {
            throw std::runtime_error("WriteProcessMemory failed");
        }
    }
    void Read(void* data, std::size_t size, std::size_t offset = 0) const {
        if (!::ReadProcessMemory(process_, At(offset), data, size, nullptr)) {
            throw std::runtime_error("ReadProcessMemory failed");
        }
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

// Sends the message with the record in the window's process and reads the record back.
template <typename Record> Record Ask(HWND window, UINT message, WPARAM wParam, Record record) {
    RemoteMemory memory(window, sizeof(Record));
    memory.Write(&record, sizeof(record));
    ::SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(memory.At()));
    memory.Read(&record, sizeof(record));
    return record;
}

// The same for a record (TVITEMW, LVITEMW) that names a text buffer to fill.
template <typename Record>
std::wstring AskText(HWND window, UINT message, WPARAM wParam, Record request) {
    RemoteMemory memory(window, sizeof(Record) + kTextChars * sizeof(wchar_t));
    request.pszText = reinterpret_cast<wchar_t*>(memory.At(sizeof(Record)));
    request.cchTextMax = kTextChars;
    memory.Write(&request, sizeof(request));
    ::SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(memory.At()));
    wchar_t text[kTextChars] = {};
    memory.Read(text, sizeof(text), sizeof(Record));
    text[kTextChars - 1] = L'\0';
    return text;
}

std::wstring TreeItemText(HWND tree, HTREEITEM item) {
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    return AskText(tree, TVM_GETITEMW, 0, request);
}

} // namespace

HTREEITEM TreeChild(HWND tree, HTREEITEM parent, const std::wstring& text) {
    const auto next = [&](UINT relation, HTREEITEM from) {
        return reinterpret_cast<HTREEITEM>(
            ::SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
    };
    ::SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    for (HTREEITEM child = next(TVGN_CHILD, parent); child != nullptr;
         child = next(TVGN_NEXT, child)) {
        if (TreeItemText(tree, child) == text) {
            return child;
        }
    }
    return nullptr;
}

RECT TreeItemTextRect(HWND tree, HTREEITEM item) {
    // The message reads the item from the rectangle's first bytes.
    RECT rect{};
    std::memcpy(&rect, &item, sizeof(item));
    return Ask(tree, TVM_GETITEMRECT, TRUE, rect);
}

std::wstring ListCellText(HWND list, int row, int column) {
    LVITEMW request{};
    request.iSubItem = column;
    return AskText(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), request);
}

HDITEMW HeaderItem(HWND header, int index) {
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    return Ask(header, HDM_GETITEMW, static_cast<WPARAM>(index), item);
}

RECT HeaderItemRect(HWND header, int index) {
    return Ask(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), RECT{});
}

void ClickCentre(HWND window, const RECT& rect) {
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::PostMessageW(window, WM_MOUSEMOVE, 0, at);
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(window, WM_LBUTTONUP, 0, at);
}

} // namespace veltrano::testsupport
