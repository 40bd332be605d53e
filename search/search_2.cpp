#include "search/search_2.h"

#include <cstddef>

namespace quabbel {

std::vector<std::u16string> search_2(const WordTables& tables, int position,
                                     std::u16string_view text) {
    std::vector<std::u16string> words;
    if (position < 1 || position > decltype(tables.table_2)::width || text.size() != 1) {
        return words;
    }
    const auto offset = static_cast<std::size_t>(position - 1);
    for (int index = 1; index <= tables.count_2; ++index) {
        const std::u16string_view word = tables.table_2.at(index);
        if (word[offset] == text.front()) {
            words.emplace_back(word);
        }
    }
    return words;
}

} // namespace quabbel
