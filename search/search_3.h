#pragma once

#include "tables/word_tables.h"

#include <string>
#include <string_view>
#include <vector>

namespace quabbel {

// The words of table_3, in slot order, that have each box's text at that box's letter position.
// An empty box restricts nothing; box 1 is disregarded when no word begins with it; a non-empty
// box 2 or 3 that no remaining word matches leaves nothing. When no box restricts anything
// the result is empty. The comparison is exact, so the texts are expected in capitals.
std::vector<std::u16string> search_3(const WordTables& tables, std::u16string_view box1,
                                     std::u16string_view box2, std::u16string_view box3);

} // namespace quabbel
