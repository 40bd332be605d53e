// search_2 on any letter position and any UTF-16 box text, as typed and as the box shows it
// upper-cased, against a direct reading of its rule. The first code unit is the position, read
// as the 16-bit signed index of the box; the rest is the text.

#include "direct_reading.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "loaded_tables.h"
#include "search/search_2.h"
#include "table_scan.h"
#include "tables/upper_case.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quabbel::WordTables& tables = loaded_tables();
    static const auto table = filled_words(tables.table_2, tables.count_2);

    const std::u16string units = code_units(data, size);
    if (units.empty()) {
        return 0;
    }
    const int position = static_cast<std::int16_t>(units.front());
    const std::u16string_view typed = std::u16string_view(units).substr(1);
    const std::u16string shown = quabbel::upper_case(typed);
    fuzz_check(quabbel::search_2(tables, position, typed) == direct_reading(table, position, typed),
               "search_2 lists the words with the text at the position");
    fuzz_check(quabbel::search_2(tables, position, shown) == direct_reading(table, position, shown),
               "search_2 lists the words with the upper-cased text at the position");
    return 0;
}
