#pragma once

#include "direct_reading.h"
#include "fuzz_check.h"
#include "tables/upper_case.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Checks a three- or four-letter search on the boxes as typed and as the boxes show them
// upper-cased against the direct reading of its rules. search takes the array of box texts.
template <std::size_t Width, typename Search>
void check_staged_search(const std::vector<std::u16string>& table,
                         std::array<std::u16string, Width> boxes, Search search) {
    fuzz_check(search(boxes) == direct_reading(table, boxes), "the search follows its rules");
    for (std::u16string& box : boxes) {
        box = quabbel::upper_case(box);
    }
    fuzz_check(search(boxes) == direct_reading(table, boxes),
               "the search follows its rules on upper-cased boxes");
}
