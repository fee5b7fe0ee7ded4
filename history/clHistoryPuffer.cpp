#include "history/clHistoryPuffer.h"

#include <algorithm>

namespace veltrano::history {

void clHistoryPuffer::Add(std::int32_t lWert) {
    if (lWert == Value()) {
        return;
    }
    if (EntryCount < Capacity) {
        // The new entry goes behind the newest one, even after going back.
        Position = EntryCount;
        ++EntryCount;
    } else {
        std::copy(Entries.begin() + 1, Entries.end(), Entries.begin());
        Position = Capacity - 1;
    }
    Entries[static_cast<std::size_t>(Position)] = lWert;
}

void clHistoryPuffer::Forward() {
    if (Position < EntryCount - 1) {
        ++Position;
    }
}

void clHistoryPuffer::Backward() {
    if (Position > 0) {
        --Position;
    }
}

void clHistoryPuffer::Clear() {
    // Zero the slots too: otherwise the first node of a new survey is dropped when its index
    // equals the old first entry.
    Entries.fill(0);
    EntryCount = 0;
    Position = 0;
}

} // namespace veltrano::history
