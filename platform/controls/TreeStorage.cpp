#include "platform/controls/TreeStorage.h"

#include <utility>

namespace veltrano::controls::internal {

void KeyIndex::ReserveOneMore() {
    // Linear probing stays short while at most half of the slots are used.
    if ((used_ + 1) * 2 <= slots_.size()) {
        return;
    }
    std::vector<Slot> old(slots_.empty() ? 16 : slots_.size() * 2);
    old.swap(slots_);
    for (const Slot& slot : old) {
        if (slot.node != 0) {
            Place(slot);
        }
    }
}

void KeyIndex::Insert(std::int32_t node, std::uint32_t hash) noexcept {
    Place(Slot{hash, node});
    ++used_;
}

void KeyIndex::Place(Slot slot) noexcept {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = slot.hash & mask;
    while (slots_[i].node != 0) {
        i = (i + 1) & mask;
    }
    slots_[i] = slot;
}

void KeyIndex::Clear() noexcept {
    std::vector<Slot>().swap(slots_);
    used_ = 0;
}

StringPool::StringPool() {
    Intern({});
}

std::uint32_t StringPool::Intern(std::string_view text) {
    // Tags and image keys are a handful of words, interned once per node added: comparing with
    // each of them costs less than hashing.
    constexpr std::size_t kCompareUpTo = 16;
    if (texts_.size() <= kCompareUpTo) {
        for (std::size_t id = 0; id < texts_.size(); ++id) {
            if (*texts_[id] == text) {
                return static_cast<std::uint32_t>(id);
            }
        }
    } else if (auto found = ids_.find(text); found != ids_.end()) {
        return found->second;
    }
    const auto id = static_cast<std::uint32_t>(texts_.size());
    texts_.reserve(texts_.size() + 1);
    const auto entry = ids_.emplace(std::string(text), id).first;
    texts_.push_back(&entry->first);
    return id;
}

void StringPool::Clear() {
    ids_.clear();
    texts_.clear();
    Intern({});
}

std::size_t StringPool::MemoryUsage() const noexcept {
    std::size_t bytes =
        texts_.capacity() * sizeof(const std::string*) + ids_.bucket_count() * sizeof(void*) +
        ids_.size() * (sizeof(std::string) + 2 * sizeof(void*) + sizeof(std::size_t));
    for (const std::string* text : texts_) {
        if (text->capacity() > 15) {
            bytes += text->capacity() + 1;
        }
    }
    return bytes;
}

} // namespace veltrano::controls::internal
