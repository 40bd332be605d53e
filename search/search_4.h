#pragma once

#include "tables/word_tables.h"

#include <string>
#include <string_view>
#include <vector>

namespace quabbel {

// The words of table_4, in slot order, that have each box's text at that box's letter position.
// An empty box restricts nothing; box 1 is disregarded when no word begins with it; a non-empty
// box 2 to 4 that no remaining word matches leaves nothing. When no box restricts anything
// the result is empty. The comparison is exact, so the texts are expected in capitals.
std::vector<std::u16string> search_4(const WordTables& tables, std::u16string_view box1,
                                     std::u16string_view box2, std::u16string_view box3,
                                     std::u16string_view box4);

} // namespace quabbel
