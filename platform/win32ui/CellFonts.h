#pragma once

// Bold sub-items through the list's custom draw: the answer to each NM_CUSTOMDRAW stage and the
// font a cell is drawn with.

#include "platform/controls/ListView.h"

#include <windows.h>

#include <commctrl.h>

namespace veltrano::win32ui {

enum class CellFont { Unchanged, Normal, Bold };

struct CustomDrawAnswer {
    LRESULT result = CDRF_DODEFAULT;
    CellFont font = CellFont::Unchanged;
};

// stage: NMCUSTOMDRAW.dwDrawStage; item: the 0-based row; subItem: the 0-based column.
CustomDrawAnswer AnswerCustomDraw(const controls::ListView& list, DWORD stage, DWORD_PTR item,
                                  int subItem);

} // namespace veltrano::win32ui
