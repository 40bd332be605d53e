#pragma once

#include "tables/word_table.h"

#include <cstdint>

namespace quabbel {

// The three word tables and their counts. Each loader fills and upper-cases one block of
// slots; run in the order staben_2, staben_3, staben_4_1 .. staben_4_4 they load everything.
struct WordTables {
    WordTable<2, 101> table_2;
    WordTable<3, 701> table_3;
    WordTable<4, 3501> table_4;
    std::int16_t count_2 = 0;
    std::int16_t count_3 = 0;
    std::int16_t count_4 = 0;

    void staben_2();   // table_2 slots 1-76, sets count_2
    void staben_3();   // table_3 slots 1-629, sets count_3
    void staben_4_1(); // table_4 slots 1-800
    void staben_4_2(); // table_4 slots 801-1600
    void staben_4_3(); // table_4 slots 1601-2400
    void staben_4_4(); // table_4 slots 2401-3041, sets count_4
};

} // namespace quabbel
