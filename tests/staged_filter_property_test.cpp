// The three- and four-letter filters against a direct reading of their rules, for many random
// box combinations.

#include "direct_reading.h"
#include "loaded_tables.h"
#include "search/search_3.h"
#include "search/search_4.h"
#include "table_scan.h"

#include <array>
#include <cstddef>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Words = std::vector<std::u16string>;

template <std::size_t Width> using Boxes = std::array<std::u16string, Width>;

// Mostly empty boxes and single capitals, as the player leaves them, now and then a character
// that begins no word, a lower-case letter or two characters.
template <std::size_t Width> Boxes<Width> random_boxes(std::mt19937& random) {
    static const std::array<std::u16string, 7> odd_texts{u"ß", u"1", u" ", u"*", u"a", u"ä", u"AB"};
    constexpr std::u16string_view capitals = u"ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜÉ";
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<std::size_t> capital(0, capitals.size() - 1);
    std::uniform_int_distribution<std::size_t> odd_text(0, odd_texts.size() - 1);
    Boxes<Width> boxes;
    for (std::u16string& box : boxes) {
        const int drawn = kind(random);
        if (drawn >= 9) {
            box = odd_texts[odd_text(random)];
        } else if (drawn >= 5) {
            box = capitals[capital(random)];
        }
    }
    return boxes;
}

// Runs the search on many random box combinations and compares each result with the direct
// reading. The sample has to list words in a fair share of the runs, and not in all of them.
template <std::size_t Width, typename Search>
void check_random_combinations(const Words& table, Search search) {
    constexpr int runs = 3000;
    std::mt19937 random(20070417);
    int listed = 0;
    for (int run = 0; run < runs; ++run) {
        const Boxes<Width> boxes = random_boxes<Width>(random);
        const Words result = search(boxes);
        ASSERT_EQ(result, direct_reading(table, boxes)) << testing::PrintToString(boxes);
        listed += result.empty() ? 0 : 1;
    }
    EXPECT_GT(listed, runs / 10);
    EXPECT_LT(listed, runs);
}

} // namespace

TEST(StagedFilterProperty, ThreeLetterResultsFollowTheRules) {
    const auto& tables = loaded_tables();
    check_random_combinations<3>(filled_words(tables.table_3, tables.count_3),
                                 [&tables](const Boxes<3>& boxes) {
                                     return quabbel::search_3(tables, boxes[0], boxes[1], boxes[2]);
                                 });
}

TEST(StagedFilterProperty, FourLetterResultsFollowTheRules) {
    const auto& tables = loaded_tables();
    check_random_combinations<4>(
        filled_words(tables.table_4, tables.count_4), [&tables](const Boxes<4>& boxes) {
            return quabbel::search_4(tables, boxes[0], boxes[1], boxes[2], boxes[3]);
        });
}
