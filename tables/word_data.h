#pragma once

#include <array>
#include <string_view>

// The word lists of tables/data as written there: one entry per slot in slot order, in the
// case of the data, before upper-casing. The definitions are generated from the data files.
namespace quabbel::word_data {

extern const std::array<std::u16string_view, 76> words_2;
extern const std::array<std::u16string_view, 629> words_3;
extern const std::array<std::u16string_view, 3041> words_4;

} // namespace quabbel::word_data
