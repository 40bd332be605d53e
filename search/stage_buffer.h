#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace quabbel {

// The table slots that one stage of a staged filter kept, in the order they were added. It has
// room for as many entries as its table has slots, so it can take the whole table; entry 0 stays
// unused and entries 1 to count hold slot indices. Every index is checked against the capacity
// before an entry is touched. A buffer starts empty and belongs to one run of the filter.
template <int Capacity> class StageBuffer {
    static_assert(Capacity > 0 && Capacity - 1 <= std::numeric_limits<std::int16_t>::max());

public:
    static constexpr int capacity = Capacity;

    int count() const { return count_; }

    // Stores the slot as entry count + 1 and then counts it.
    void append(int slot) {
        entries_[checked(count_ + 1)] = static_cast<std::int16_t>(slot);
        ++count_;
    }

    int at(int index) const { return entries_[checked(index)]; }

private:
    static std::size_t checked(int index) {
        if (index < 0 || index >= Capacity) {
            throw std::out_of_range("stage buffer index " + std::to_string(index) +
                                    " is outside 0.." + std::to_string(Capacity - 1));
        }
        return static_cast<std::size_t>(index);
    }

    std::array<std::int16_t, static_cast<std::size_t>(Capacity)> entries_{};
    int count_ = 0;
};

} // namespace quabbel
