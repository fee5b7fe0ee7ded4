#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Compact storage helpers of the tree control: a key index that holds node numbers only (the
// key texts live in the tree's arena) and a pool of interned strings for tags and image keys.
namespace veltrano::controls::internal {

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
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept {
            return std::hash<std::string_view>{}(text);
        }
    };
    // Node-based map: the strings keep their addresses, so texts_ can point into it.
    std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> ids_;
    std::vector<const std::string*> texts_;
};

} // namespace veltrano::controls::internal
