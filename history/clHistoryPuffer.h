#pragma once

#include <array>
#include <cstdint>

namespace veltrano::history {

// Back/Forward buffer of the last ten visited tree-node indices.
class clHistoryPuffer {
public:
    static constexpr std::int32_t Capacity = 10;

    void Add(std::int32_t lWert);
    void Forward();
    void Backward();
    void Clear();

    std::int32_t Value() const noexcept { return Entries[static_cast<std::size_t>(Position)]; }
    bool BOH() const noexcept { return Position == 0; }
    bool EOH() const noexcept { return Position >= EntryCount - 1; }
    bool BackwardIsPossible() const noexcept { return !BOH(); }
    bool ForwardIsPossible() const noexcept { return !EOH(); }

    std::int32_t Count() const noexcept { return EntryCount; }
    std::int32_t CurrentPosition() const noexcept { return Position; }
    std::int32_t Slot(std::int32_t i) const { return Entries.at(static_cast<std::size_t>(i)); }

private:
    std::array<std::int32_t, Capacity> Entries{};
    std::int32_t EntryCount = 0;
    std::int32_t Position = 0;
};

} // namespace veltrano::history
