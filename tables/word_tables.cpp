#include "tables/word_tables.h"

#include "tables/upper_case.h"
#include "tables/word_data.h"

#include <cstddef>

namespace quabbel {

namespace {

// Stores the words of slots first..last (words[0] belongs to slot 1), then upper-cases
// exactly those slots in ascending order.
template <int Width, int Capacity, std::size_t Size>
void load_block(WordTable<Width, Capacity>& table, int first, int last,
                const std::array<std::u16string_view, Size>& words) {
    for (int index = first; index <= last; ++index) {
        table.store(index, words.at(static_cast<std::size_t>(index - 1)));
    }
    for (int index = first; index <= last; ++index) {
        table.store(index, upper_case(table.at(index)));
    }
}

} // namespace

void WordTables::staben_2() {
    load_block(table_2, 1, 76, word_data::words_2);
    count_2 = 76;
}

void WordTables::staben_3() {
    load_block(table_3, 1, 629, word_data::words_3);
    count_3 = 629;
}

void WordTables::staben_4_1() {
    load_block(table_4, 1, 800, word_data::words_4);
}

void WordTables::staben_4_2() {
    load_block(table_4, 801, 1600, word_data::words_4);
}

void WordTables::staben_4_3() {
    load_block(table_4, 1601, 2400, word_data::words_4);
}

void WordTables::staben_4_4() {
    load_block(table_4, 2401, 3041, word_data::words_4);
    count_4 = 3041;
}

} // namespace quabbel
