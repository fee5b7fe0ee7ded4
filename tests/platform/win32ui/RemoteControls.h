#pragma once

// Reading and clicking the common controls of another process, as a test drives a program:
// the records the messages fill are placed in the other process's memory.

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace veltrano::testsupport {

// The child of parent with this text, after expanding parent; null when none.
HTREEITEM TreeChild(HWND tree, HTREEITEM parent, const std::wstring& text);
RECT TreeItemTextRect(HWND tree, HTREEITEM item);

std::wstring ListCellText(HWND list, int row, int column);
HDITEMW HeaderItem(HWND header, int index); // format and image
RECT HeaderItemRect(HWND header, int index);

// A click of the left button at the centre of a rectangle of the window's client area.
void ClickCentre(HWND window, const RECT& rect);

} // namespace veltrano::testsupport
