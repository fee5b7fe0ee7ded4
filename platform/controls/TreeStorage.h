#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Compact storage helpers of the tree control: the node texts in fixed-size chunks, a key index
// that holds node numbers only (the key texts live with the node texts) and a pool of interned
// strings for tags and image keys.
namespace veltrano::controls::internal {

// Texts stored back to back in chunks of 64 KiB that never move, so a text stays where it was
// put and the unused room is at most the rest of the last chunk (a doubling buffer may leave
// half of itself unused). A text is named by a 32-bit place: chunk number and offset. A text too
// long to share a chunk gets a chunk of its own size.
class TextChunks {
public:
    static constexpr std::size_t kChunkShift = 16;
    static constexpr std::size_t kChunkSize = std::size_t{1} << kChunkShift;

    // The place of a copy of text; throws std::length_error when all places are taken. Views of
    // texts already stored stay valid.
    std::uint32_t Append(std::string_view text);
    std::string_view View(std::uint32_t place, std::uint32_t length) const noexcept {
        if (length == 0) {
            return {};
        }
        return {chunks_[place >> kChunkShift].get() + (place & (kChunkSize - 1)), length};
    }
    // Writes text over the stored one at place, which is at least as long.
    void Overwrite(std::uint32_t place, std::string_view text) noexcept;
    void Clear() noexcept;
    std::size_t MemoryUsage() const noexcept {
        return reserved_ + chunks_.capacity() * sizeof(void*);
    }

private:
    std::vector<std::unique_ptr<char[]>> chunks_;
    std::size_t used_ = kChunkSize; // bytes used in the last shared chunk; full when none
    std::size_t shared_ = 0;        // number of that chunk
    std::size_t reserved_ = 0;      // bytes of all chunks
};

// Open-addressing hash set of 1-based node numbers. Keys are never removed one by one; the
// whole index is cleared with the tree.
class KeyIndex {
public:
    static std::uint32_t Hash(std::string_view key) noexcept {
        return static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
    }

    // The node whose key equals `key`, 0 when none. keyOf(node) yields a node's key.
    template <class KeyOf>
    std::int32_t Find(std::string_view key, std::uint32_t hash, const KeyOf& keyOf) const {
        if (slots_.empty()) {
            return 0;
        }
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.node == 0) {
                return 0;
            }
            if (slot.hash == hash && keyOf(slot.node) == key) {
                return slot.node;
            }
        }
    }

    // Makes room for one more key, so that the following Insert cannot fail.
    void ReserveOneMore();
    // Records a node whose key is not yet present; ReserveOneMore must have run before.
    void Insert(std::int32_t node, std::uint32_t hash) noexcept;
    void Clear() noexcept;
    std::size_t Size() const noexcept { return used_; }
    std::size_t MemoryUsage() const noexcept { return slots_.capacity() * sizeof(Slot); }

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::int32_t node = 0; // 0 = empty
    };
    void Place(Slot slot) noexcept;

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

// Interned strings: each distinct text is stored once and named by a number; 0 is "".
class StringPool {
public:
    StringPool();
    // The number of `text`, adding it when new.
    std::uint32_t Intern(std::string_view text);
    const std::string& At(std::uint32_t id) const { return *texts_[id]; }
    void Clear();
    std::size_t MemoryUsage() const noexcept;

private:
    std::uint32_t Find(std::string_view text);
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept {
            return std::hash<std::string_view>{}(text);
        }
    };
    // Node-based map: the strings keep their addresses, so texts_ can point into it.
    std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> ids_;
    std::vector<const std::string*> texts_;
    std::array<std::uint32_t, 16> recentByLength_{};
};

} // namespace veltrano::controls::internal
