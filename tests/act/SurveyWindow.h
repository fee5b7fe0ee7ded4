#pragma once

// The main window for tests of the Survey Database command: every status text is recorded, and
// an earlier survey's tree and history can be put in place beforehand.

#include "app/frmHaupt.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "platform/forms/FormsRuntime.h"

#include <filesystem>
#include <string>
#include <vector>

namespace veltrano::testsupport {

class StatusLog final : public controls::StatusBar::Listener {
public:
    std::vector<std::string> texts;
    void PanelTextChanged(const std::string&, const std::string& text) override {
        texts.push_back(text);
    }
};

struct SurveyWindow {
    explicit SurveyWindow(app::Platform platform) : form(platform) {
        form.Load();
        form.StatusBar.SetListener(&status);
    }

    // One node and three visited entries, so that Back is enabled.
    void SeedEarlierSurvey() {
        form.tvACT.Add(0, controls::TreeView::tvwLast, "earlier.dbf", "Earlier", "Datenbank");
        for (std::int32_t node : {1, 2, 3}) {
            form.History.Add(node);
        }
        form.UpdateHistoryButtons();
    }

    bool Ready() {
        return form.tvACT.Enabled() && form.lvACT.Enabled() && form.Toolbar.Enabled() &&
               form.Forms().MousePointer() == forms::vbDefault;
    }
    bool BackOrForwardEnabled() const {
        return form.Toolbar.ByKey("Back").enabled || form.Toolbar.ByKey("For").enabled;
    }

    StatusLog status;
    app::frmHaupt form;
};

// A database named "Team" with a Contact field and the user "Chris" (password "pw"), so that
// it asks for a login.
inline void WriteLoginDatabase(const std::filesystem::path& file) {
    using namespace ole::standin;
    StandInDatabaseWriter db(file, "Team");
    db.AddField(TableAccessor::Contact, {.id = 1, .name = "Company"});
    db.AddUser({.name = "Chris", .uniqueId = "U00000000001", .password = "pw"});
    db.Commit();
}

} // namespace veltrano::testsupport
