#include "search/search_4.h"

#include "search/staged_filter.h"

namespace quabbel {

std::vector<std::u16string> search_4(const WordTables& tables, std::u16string_view box1,
                                     std::u16string_view box2, std::u16string_view box3,
                                     std::u16string_view box4) {
    return staged_filter(tables.table_4, tables.count_4, {box1, box2, box3, box4});
}

} // namespace quabbel
