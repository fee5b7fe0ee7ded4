#pragma once

// A main window whose detail list is a Fields list filled directly, for search and replace.

#include "app/frmHaupt.h"
#include "support/NullPlatform.h"

#include <string>
#include <vector>

namespace veltrano::testsupport {

struct TriggerRow {
    std::string name;
    std::string entry;
    std::string exit;
};

class EditWindow {
public:
    EditWindow() : form(platform.Get()) { form.Load(); }

    // The sixteen columns of the Fields list and one row per field (IDs 1, 2, ...).
    void Fill(const std::vector<TriggerRow>& rows) {
        auto& list = form.lvACT;
        for (int c = 0; c < 16; ++c) {
            list.ColumnHeadersAdd({}, "C" + std::to_string(c));
        }
        int id = 0;
        for (const auto& r : rows) {
            const auto row = list.ListItemsAdd({}, r.name);
            list.SetSubItemText(row, 1, app::PadNumericText(std::to_string(++id)));
            list.SetSubItemText(row, 6, r.entry);
            list.SetSubItemText(row, 7, r.exit);
        }
    }
    const controls::ListView::SubItem& Cell(std::int32_t row, std::int32_t sub) const {
        return form.lvACT.GetSubItem(row, sub);
    }
    forms::ScriptedForms& Forms() { return platform.forms; }

    NullPlatform platform;
    app::frmHaupt form;
};

} // namespace veltrano::testsupport
