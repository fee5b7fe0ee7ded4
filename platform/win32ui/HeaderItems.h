#pragma once

// The list's columns in the common controls' terms: the LVCOLUMNW format of a column and the
// HDITEMW record that draws its header item as the model's item format says (justification,
// the sort image and whether it stands right of the text).

#include "platform/controls/ListView.h"

#include <windows.h>

#include <commctrl.h>

namespace veltrano::win32ui {

int ColumnFormat(const controls::ListView::Column& column);

// Whether the list has written the column's header item; until then the header follows the
// column's alignment.
bool HeaderItemWritten(const controls::ListView::Column& column);
// mask HDI_FORMAT | HDI_IMAGE; the text is left as the list set it.
HDITEMW HeaderItemOf(const controls::ListView::Column& column);

} // namespace veltrano::win32ui
