#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quabbel {

// A fixed number of text slots, each exactly Width UTF-16 characters wide. Every store and
// read checks its index against the capacity before it touches a slot.
template <int Width, int Capacity> class WordTable {
    static_assert(Width > 0 && Capacity > 0);

public:
    static constexpr int width = Width;
    static constexpr int capacity = Capacity;

    // Left-aligned fixed-width assignment: longer texts are cut, shorter ones padded with spaces.
    void store(int index, std::u16string_view text) {
        Slot& slot = slots_[checked(index)];
        const auto kept = static_cast<std::ptrdiff_t>(std::min(text.size(), slot.size()));
        const auto end = std::copy(text.begin(), text.begin() + kept, slot.begin());
        std::fill(end, slot.end(), u' ');
    }

    std::u16string_view at(int index) const {
        const Slot& slot = slots_[checked(index)];
        return {slot.data(), slot.size()};
    }

private:
    using Slot = std::array<char16_t, static_cast<std::size_t>(Width)>;

    static std::size_t checked(int index) {
        if (index < 0 || index >= Capacity) {
            throw std::out_of_range("word table index " + std::to_string(index) +
                                    " is outside 0.." + std::to_string(Capacity - 1));
        }
        return static_cast<std::size_t>(index);
    }

    std::array<Slot, static_cast<std::size_t>(Capacity)> slots_{};
};

} // namespace quabbel
