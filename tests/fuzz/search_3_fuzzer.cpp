// search_3 on any three UTF-16 box texts against a direct reading of its rules. See
// fuzz_input.h for how the input splits into boxes.

#include "fuzz_input.h"
#include "loaded_tables.h"
#include "search/search_3.h"
#include "staged_search_check.h"
#include "table_scan.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quabbel::WordTables& tables = loaded_tables();
    static const auto table = filled_words(tables.table_3, tables.count_3);
    check_staged_search(table, box_texts<3>(code_units(data, size)),
                        [&tables](const std::array<std::u16string, 3>& boxes) {
                            return quabbel::search_3(tables, boxes[0], boxes[1], boxes[2]);
                        });
    return 0;
}
