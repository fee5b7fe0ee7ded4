#include "platform/controls/TreeStorage.h"

#include <cstring>
#include <stdexcept>
#include <utility>

namespace veltrano::controls::internal {

namespace {
// Longer texts get a chunk of their own, so a shared chunk loses at most this much at its end.
constexpr std::size_t kSharedUpTo = TextChunks::kChunkSize / 16;
constexpr std::size_t kMostChunks = std::size_t{1} << (32 - TextChunks::kChunkShift);
} // namespace

std::uint32_t TextChunks::Append(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const bool own = text.size() > kSharedUpTo;
    if (own || used_ + text.size() > kChunkSize) {
        if (chunks_.size() == kMostChunks) {
            throw std::length_error("The tree's text storage is full");
        }
        chunks_.reserve(chunks_.size() + 1);
        const std::size_t size = own ? text.size() : kChunkSize;
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        reserved_ += size;
        if (!own) {
            shared_ = chunks_.size() - 1;
            used_ = 0;
        }
    }
    const std::size_t chunk = own ? chunks_.size() - 1 : shared_;
    const std::size_t offset = own ? 0 : used_;
    std::memcpy(chunks_[chunk].get() + offset, text.data(), text.size());
    if (!own) {
        used_ += text.size();
    }
    return static_cast<std::uint32_t>((chunk << kChunkShift) | offset);
}

void TextChunks::Overwrite(std::uint32_t place, std::string_view text) noexcept {
    if (!text.empty()) {
        // move(): the text may be read from this very place.
        std::memmove(chunks_[place >> kChunkShift].get() + (place & (kChunkSize - 1)), text.data(),
                     text.size());
    }
}

void TextChunks::Clear() noexcept {
    std::vector<std::unique_ptr<char[]>>().swap(chunks_);
    used_ = kChunkSize;
    shared_ = 0;
    reserved_ = 0;
}

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
    // The few texts seldom share a length: one comparison with the text last found at this
    // length mostly answers.
    std::uint32_t& recent = recentByLength_[text.size() % recentByLength_.size()];
    if (recent < texts_.size() && *texts_[recent] == text) {
        return recent;
    }
    recent = Find(text);
    return recent;
}

std::uint32_t StringPool::Find(std::string_view text) {
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
    recentByLength_.fill(0);
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
