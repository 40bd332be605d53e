// The three-letter filter on the program's own table.

#include "loaded_tables.h"
#include "search/search_3.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Words = std::vector<std::u16string>;

Words search(std::u16string_view box1, std::u16string_view box2, std::u16string_view box3) {
    return quabbel::search_3(loaded_tables(), box1, box2, box3);
}

Words first(const Words& words, std::size_t how_many) {
    return {words.begin(), words.begin() + static_cast<std::ptrdiff_t>(how_many)};
}

const Words a_second_from{u"AAL", u"AAR", u"AAS", u"BAD"};

} // namespace

TEST(Search3, ListsTheWordsWithOneGivenLetter) {
    EXPECT_EQ(search(u"Q", u"", u""), (Words{u"QIS", u"QUA"}));
    EXPECT_EQ(search(u"Ä", u"", u""), (Words{u"ÄFF", u"ÄHM", u"ÄKS", u"ÄON", u"ÄRA", u"ÄSE", u"ÄSS",
                                             u"ÄST", u"ÄTZ", u"ÄUG"}));
    EXPECT_EQ(search(u"", u"X", u""), (Words{u"AXT", u"EXE", u"EXT", u"IXE", u"IXT"}));
    EXPECT_EQ(search(u"", u"", u"Z"),
              (Words{u"ATZ", u"ÄTZ", u"DEZ", u"DUZ", u"ERZ", u"FEZ", u"PIZ"}));
    EXPECT_EQ(search(u"", u"", u"É"), (Words{u"OLÉ"}));
    EXPECT_EQ(search(u"", u"Ü", u""),
              (Words{u"BÜK", u"BÜX", u"DÜS", u"FÜG", u"FÜR", u"HÜB", u"HÜF", u"HÜT", u"KÜR", u"LÜD",
                     u"LÜG", u"MÜH", u"RÜD", u"RÜG", u"SÜD", u"TÜR", u"TÜT", u"WÜT"}));

    const Words a_first = search(u"A", u"", u"");
    ASSERT_EQ(a_first.size(), 48U);
    EXPECT_EQ(first(a_first, 3), (Words{u"AAL", u"AAR", u"AAS"}));
    EXPECT_EQ(a_first.back(), u"AXT");
}

TEST(Search3, CombinesTheLettersOfAllBoxes) {
    EXPECT_EQ(search(u"K", u"", u"H"), (Words{u"KUH"}));
    EXPECT_EQ(search(u"A", u"X", u""), (Words{u"AXT"}));
    EXPECT_EQ(search(u"Ö", u"H", u"R"), (Words{u"ÖHR"}));
    EXPECT_EQ(search(u"", u"A", u"T"),
              (Words{u"BAT", u"GAT", u"HAT", u"KAT", u"RAT", u"TAT", u"WAT"}));
}

TEST(Search3, DisregardsABoxOneWithWhichNoWordBegins) {
    for (const std::u16string_view box1 : {u"1", u"ß", u"É", u"AB"}) {
        EXPECT_EQ(search(box1, u"A", u"T"), search(u"", u"A", u"T"));
        EXPECT_EQ(search(box1, u"", u""), Words{}) << "the whole table is never listed";
    }
    const Words a_second = search(u"AB", u"A", u"");
    ASSERT_EQ(a_second.size(), 103U);
    EXPECT_EQ(first(a_second, 4), a_second_from);
}

TEST(Search3, ALaterBoxThatMatchesNothingLeavesNothing) {
    EXPECT_EQ(search(u"A", u"Q", u""), Words{});
    EXPECT_EQ(search(u"", u"Q", u""), Words{});
    EXPECT_EQ(search(u"", u"ß", u""), Words{});
    for (const std::u16string_view box1 : {u"", u"A", u"K"}) {
        for (const std::u16string_view box3 : {u"", u"T", u"H"}) {
            EXPECT_EQ(search(box1, u"AB", box3), Words{}) << "two characters in box 2";
        }
    }
    EXPECT_EQ(search(u"K", u"", u"UH"), Words{}) << "two characters in box 3";
}

TEST(Search3, NeverListsTheWholeTable) {
    EXPECT_EQ(search(u"", u"", u""), Words{});
}
