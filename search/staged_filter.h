#pragma once

#include "search/stage_buffer.h"
#include "tables/word_table.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quabbel {

namespace staged_filter_detail {

// A box equals a letter only when it holds exactly that one character; no case folding. A box
// that is empty or holds several characters equals no letter, so it matches no word.
inline std::optional<char16_t> letter_of(std::u16string_view box) {
    if (box.size() != 1) {
        return std::nullopt;
    }
    return box.front();
}

// Appends to the output, in input order, every slot whose word has the box's text as its letter
// at the position (counted from 1). slot_of(i) gives the slot of input entry i, 1 to input_count.
// A box that holds no single letter matches no word, so then the input is not read at all.
template <int Width, int Capacity, typename SlotOf>
void keep_matching(const WordTable<Width, Capacity>& table, int input_count, SlotOf slot_of,
                   int position, std::u16string_view box, StageBuffer<Capacity>& output) {
    const std::optional<char16_t> letter = letter_of(box);
    if (!letter) {
        return;
    }
    const auto offset = static_cast<std::size_t>(position - 1);
    for (int index = 1; index <= input_count; ++index) {
        const int slot = slot_of(index);
        if (table.at(slot)[offset] == *letter) {
            output.append(slot);
        }
    }
}

} // namespace staged_filter_detail

// The words of slots 1 to count that have each box's text at that box's letter position, one
// stage per box. Stage 1 keeps the words whose first letter equals box 1; when none does, it
// keeps the whole table, so a box 1 that begins no word is disregarded. Each later stage keeps
// those words of the stage before whose letter equals its box; when none does and its box is
// empty it passes all of them on, while a box with text that matches nothing leaves nothing.
// When every word of the table comes through, nothing restricted the search and the result is
// empty: the whole table is never listed. The words come in slot order, each once.
//
// The stage buffers live on the stack of this call, so nested runs share nothing and a run
// allocates only the returned words.
template <int Width, int Capacity>
std::vector<std::u16string> staged_filter(const WordTable<Width, Capacity>& table, int count,
                                          const std::array<std::u16string_view, Width>& boxes) {
    using namespace staged_filter_detail;
    const auto at = [](auto& array, int position) -> auto& {
        return array[static_cast<std::size_t>(position - 1)];
    };
    std::array<StageBuffer<Capacity>, static_cast<std::size_t>(Width)> stages;

    const auto table_slot = [](int index) { return index; };
    keep_matching(table, count, table_slot, 1, at(boxes, 1), at(stages, 1));
    if (at(stages, 1).count() == 0) {
        at(stages, 1).append_slots(1, count);
    }

    for (int position = 2; position <= Width; ++position) {
        const StageBuffer<Capacity>& input = at(stages, position - 1);
        StageBuffer<Capacity>& output = at(stages, position);
        const std::u16string_view box = at(boxes, position);
        const auto input_slot = [&input](int index) { return input.at(index); };
        keep_matching(table, input.count(), input_slot, position, box, output);
        if (output.count() == 0 && box.empty()) {
            output.append_all(input);
        }
    }

    std::vector<std::u16string> words;
    const StageBuffer<Capacity>& last = at(stages, Width);
    if (last.count() == count) {
        return words;
    }
    words.reserve(static_cast<std::size_t>(last.count()));
    for (int index = 1; index <= last.count(); ++index) {
        words.emplace_back(table.at(last.at(index)));
    }
    return words;
}

} // namespace quabbel
