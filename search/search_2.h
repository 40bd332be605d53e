#pragma once

#include "tables/word_tables.h"

#include <string>
#include <string_view>
#include <vector>

namespace quabbel {

// The words of table_2, in slot order, whose character at the letter position (1 or 2) equals
// the whole text: an empty text or one of two or more characters matches nothing. The
// comparison is exact, so the text is expected in capitals. Any other position yields nothing.
std::vector<std::u16string> search_2(const WordTables& tables, int position,
                                     std::u16string_view text);

} // namespace quabbel
