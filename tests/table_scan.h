#pragma once

#include "tables/word_table.h"

#include <string>
#include <string_view>
#include <vector>

// The words in slots 1..count, in slot order.
template <int Width, int Capacity>
std::vector<std::u16string> filled_words(const quabbel::WordTable<Width, Capacity>& table,
                                         int count) {
    std::vector<std::u16string> words;
    for (int index = 1; index <= count; ++index) {
        words.emplace_back(table.at(index));
    }
    return words;
}

// The words in slots 1..count, in slot order, that have the pattern's character at every
// position where the pattern does not hold '?'.
template <int Width, int Capacity>
std::vector<std::u16string> words_matching(const quabbel::WordTable<Width, Capacity>& table,
                                           int count, std::u16string_view pattern) {
    std::vector<std::u16string> matches;
    for (const std::u16string& word : filled_words(table, count)) {
        bool fits = word.size() == pattern.size();
        for (std::size_t position = 0; fits && position < word.size(); ++position) {
            fits = pattern[position] == u'?' || pattern[position] == word[position];
        }
        if (fits) {
            matches.push_back(word);
        }
    }
    return matches;
}
