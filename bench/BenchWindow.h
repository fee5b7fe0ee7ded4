#pragma once

// The main window as the program wires it (standard commands, stand-in ACT! engine), driven
// the way a user drives it: survey a file, click a table's Fields node, a header, Replace, Save.

#include "app/frmHaupt.h"
#include "bench/BenchForms.h"
#include "tests/support/NullPlatform.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace veltrano::bench {

class BenchWindow {
public:
    BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    app::frmHaupt& Form() noexcept { return form_; }
    BenchForms& Forms() noexcept { return forms_; }

    // The Survey Database command on the file, as if chosen in the file dialog. Throws when the
    // command reported anything or built no tree.
    void Survey(const std::filesystem::path& file);
    // Selects the Fields node of the table and clicks it. Throws when there is no such table.
    void ClickFields(std::string_view table);
    void ClickHeader(int column) { form_.OnColumnClick(column); }
    void Replace(const std::string& search, const std::string& replacement);
    // Throws unless the command reported the expected number of saved changes.
    void Save(std::size_t expectedChanges);

private:
    BenchForms forms_;
    testsupport::FakeObjectFactory objects_;
    testsupport::NoWindows user32_;
    testsupport::NoDialogs comdlg32_;
    testsupport::NoShell shell32_;
    app::frmHaupt form_;
};

} // namespace veltrano::bench
