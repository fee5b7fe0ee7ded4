#include "app/ChangesPanel.h"

#include "app/frmHaupt.h"

namespace veltrano::app {

std::string ChangesPanelText(std::int32_t unsavedChanges, std::string_view commandNote,
                             std::string_view databaseSummary) {
    if (unsavedChanges > 0) {
        return std::to_string(unsavedChanges) + std::string(kChangesPanelText);
    }
    return std::string(commandNote.empty() ? databaseSummary : commandNote);
}

std::string DatabaseSummary(const controls::TreeView& tree) {
    const auto root = tree.Root();
    if (root == 0) {
        return {};
    }
    const std::string_view path = tree.Key(root);
    const auto slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::int32_t fields = 0;
    for (controls::TreeView::Index node = 1; node <= tree.Count(); ++node) {
        fields += tree.Tag(node) == "Feld" ? 1 : 0;
    }
    return std::string(name.empty() ? tree.Text(root) : name) + ": " + std::to_string(fields) +
           " fields";
}

} // namespace veltrano::app
