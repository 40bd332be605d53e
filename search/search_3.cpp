#include "search/search_3.h"

#include "search/staged_filter.h"

namespace quabbel {

std::vector<std::u16string> search_3(const WordTables& tables, std::u16string_view box1,
                                     std::u16string_view box2, std::u16string_view box3) {
    return staged_filter(tables.table_3, tables.count_3, {box1, box2, box3});
}

} // namespace quabbel
