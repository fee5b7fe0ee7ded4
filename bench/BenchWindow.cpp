#include "bench/BenchWindow.h"

#include "bench/BenchDatabase.h"
#include "platform/actole/standin/StandInEngine.h"
#include "scan/SurveyDatabase.h"
#include "wiring/MainForm.h"

#include <stdexcept>

namespace veltrano::bench {

BenchWindow::BenchWindow()
    : forms_(std::string(kUserName), std::string(kPassword)),
      form_(wiring::MainForm({forms_, objects_, user32_, comdlg32_, shell32_})) {
    objects_.database = [] {
        return ole::standin::CreateStandInDatabase([] { return std::string(); });
    };
    form_.Load();
}

void BenchWindow::Survey(const std::filesystem::path& file) {
    const auto messages = forms_.MessageCount();
    scan::SurveyDatabase(form_, file.string());
    if (forms_.MessageCount() != messages) {
        throw std::runtime_error("Survey reported: " + forms_.LastMessage());
    }
    if (form_.tvACT.Count() < 2) {
        throw std::runtime_error("Survey built no tree of " + file.string());
    }
}

void BenchWindow::ClickFields(std::string_view table) {
    auto& tree = form_.tvACT;
    for (controls::TreeView::Index node = 1; node <= tree.Count(); ++node) {
        if (tree.Tag(node) == "Tabelle" && tree.Text(node) == table) {
            tree.SetSelected(tree.Child(node));
            form_.OnNodeClick();
            return;
        }
    }
    throw std::runtime_error("No table " + std::string(table) + " in the tree");
}

void BenchWindow::Replace(const std::string& search, const std::string& replacement) {
    forms_.QueueInput(search);
    forms_.QueueInput(replacement);
    form_.OnButtonClick("Replace");
}

void BenchWindow::Save(std::size_t expectedChanges) {
    const auto messages = forms_.MessageCount();
    form_.OnButtonClick("Save");
    const std::string expected = std::to_string(expectedChanges) + " changes were saved.";
    if (forms_.MessageCount() != messages + 1 || forms_.LastMessage() != expected) {
        throw std::runtime_error("Save reported \"" + forms_.LastMessage() + "\", not \"" +
                                 expected + "\"");
    }
}

} // namespace veltrano::bench
