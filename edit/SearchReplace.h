#pragma once

// Search and replace in the Entry Trigger and Exit Trigger cells of the Fields list.

#include "platform/controls/ListView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::app {
class frmHaupt;
}

namespace veltrano::edit {

inline constexpr std::string_view kPromptSearch = "Suche nach:";
inline constexpr std::string_view kPromptReplace = "Ersetze durch";

// No replacement text: the scan only searches. An explicit "none" rather than a marker text,
// so that no replacement the user types can turn a replace into a search.
inline constexpr std::nullopt_t kSearchOnly = std::nullopt;

// The Search command: asks for a text and selects the next row, after the selected one, whose
// Entry or Exit Trigger contains it. No wrap-around to the top.
void SearchEntries(app::frmHaupt& form);

// Search without the prompt: remembers searchText as the last search text and selects the next
// row whose trigger contains it; when there is none, notes "No further match". False then.
bool SearchFor(app::frmHaupt& form, std::string_view searchText);

// F3: SearchFor the last search text; with none yet, the Search command itself.
void SearchAgain(app::frmHaupt& form);

// A trigger cell that a replace changed.
struct ChangedCell {
    std::int32_t row = 0;
    std::int32_t column = 0; // sub-item
    std::string before;
    std::string after;
    bool operator==(const ChangedCell&) const = default;
};

// The Replace command: asks for a text and its replacement and replaces it in the triggers of
// all rows, marking each changed cell bold with its former text in the Tag. Returns the cells
// it changed; none when a prompt was cancelled.
std::vector<ChangedCell> ReplaceEntries(app::frmHaupt& form);

// Replace without the prompts: remembers searchText as the last search text, replaces in every
// row of the list shown and returns the changed cells.
std::vector<ChangedCell> ReplaceAll(app::frmHaupt& form, std::string_view searchText,
                                    std::string_view replaceText);

// Walks the rows from the first (or from the row after the selected one) and tests the Entry
// Trigger, then the Exit Trigger of each. A search stops at the first hit. An empty search
// text examines nothing. Returns the cells a replace changed (none for a search).
std::vector<ChangedCell> ScanList(controls::ListView& list, std::string_view searchText,
                                  std::optional<std::string_view> replaceText, bool fromSelected);

// Tests one trigger cell (case-sensitive). No hit: the cell's mark is removed, its text stays.
// A hit while searching selects the row and scrolls to it; a hit while replacing changes the
// text, marks the cell bold and keeps the text from before in its Tag.
bool MatchSubItem(controls::ListView& list, std::int32_t row, std::int32_t column,
                  std::string_view searchText, std::optional<std::string_view> replaceText);

// Every occurrence of searchText replaced, left to right, without overlap, in one pass: the
// inserted text is not searched again. searchText must not be empty.
std::string ReplaceOccurrences(std::string_view text, std::string_view searchText,
                               std::string_view replaceText);

} // namespace veltrano::edit
