#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>
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

    // Appends the slots first to last, in ascending order; none when last is below first.
    void append_slots(int first, int last) {
        if (last < first) {
            return;
        }
        const int added = last - first + 1;
        checked(count_ + added);
        std::iota(end(), end() + added, static_cast<std::int16_t>(first));
        count_ += added;
    }

    // Appends entries 1 to count of the other buffer, in their order.
    void append_all(const StageBuffer& other) {
        checked(count_ + other.count_);
        std::copy(other.begin(), other.end(), end());
        count_ += other.count_;
    }

    int at(int index) const { return entries_[checked(index)]; }

private:
    // Entry 1 and the entry after the last.
    const std::int16_t* begin() const { return entries_.data() + 1; }
    const std::int16_t* end() const { return begin() + count_; }
    std::int16_t* end() { return entries_.data() + 1 + count_; }

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
