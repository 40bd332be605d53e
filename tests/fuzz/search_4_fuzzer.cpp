// search_4 on any four UTF-16 box texts against a direct reading of its rules. See
// fuzz_input.h for how the input splits into boxes.

#include "fuzz_input.h"
#include "loaded_tables.h"
#include "search/search_4.h"
#include "staged_search_check.h"
#include "table_scan.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quabbel::WordTables& tables = loaded_tables();
    static const auto table = filled_words(tables.table_4, tables.count_4);
    check_staged_search(table, box_texts<4>(code_units(data, size)),
                        [&tables](const std::array<std::u16string, 4>& boxes) {
                            return quabbel::search_4(tables, boxes[0], boxes[1], boxes[2],
                                                     boxes[3]);
                        });
    return 0;
}
