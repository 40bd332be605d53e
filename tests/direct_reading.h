#pragma once

// The searches read directly from their rules, for checking the staged code against them.
// They hold for any word data.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace direct_reading_detail {

// A box equals a word's letter only when it holds exactly that one character.
inline bool has_at(std::u16string_view word, std::size_t position, std::u16string_view box) {
    return word.substr(position, 1) == box;
}

} // namespace direct_reading_detail

// The two-letter lookup: the words whose letter at the position (1 or 2) is the whole text.
inline std::vector<std::u16string> direct_reading(const std::vector<std::u16string>& table,
                                                  int position, std::u16string_view text) {
    std::vector<std::u16string> matches;
    if (position != 1 && position != 2) {
        return matches;
    }
    for (const std::u16string& word : table) {
        if (direct_reading_detail::has_at(word, static_cast<std::size_t>(position - 1), text)) {
            matches.push_back(word);
        }
    }
    return matches;
}

// The three- and four-letter filters: the words that match every box holding text, box 1
// disregarded when no word begins with it, and nothing when that is every word of the table
// (as when no box restricts the search).
template <std::size_t Width>
std::vector<std::u16string> direct_reading(const std::vector<std::u16string>& table,
                                           const std::array<std::u16string, Width>& boxes) {
    using direct_reading_detail::has_at;
    const bool box1_counts = std::any_of(table.begin(), table.end(), [&boxes](const auto& word) {
        return has_at(word, 0, boxes[0]);
    });
    std::vector<std::u16string> matches;
    for (const std::u16string& word : table) {
        bool fits = !box1_counts || has_at(word, 0, boxes[0]);
        for (std::size_t position = 1; fits && position < Width; ++position) {
            fits = boxes[position].empty() || has_at(word, position, boxes[position]);
        }
        if (fits) {
            matches.push_back(word);
        }
    }
    if (matches.size() == table.size()) {
        return {};
    }
    return matches;
}
