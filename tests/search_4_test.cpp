// The four-letter filter on the program's own table.

#include "loaded_tables.h"
#include "search/search_4.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Words = std::vector<std::u16string>;

Words search(std::u16string_view box1, std::u16string_view box2, std::u16string_view box3,
             std::u16string_view box4) {
    return quabbel::search_4(loaded_tables(), box1, box2, box3, box4);
}

bool all_begin_with(const Words& words, char16_t letter) {
    return std::all_of(words.begin(), words.end(),
                       [letter](const std::u16string& word) { return word.front() == letter; });
}

bool contains(const Words& words, std::u16string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

} // namespace

TEST(Search4, ListsTheWordsWithTheGivenLetters) {
    EXPECT_EQ(search(u"A", u"A", u"", u""),
              (Words{u"AALE", u"AALS", u"AALT", u"AARE", u"AARS", u"AASE", u"AAST"}));
    EXPECT_EQ(search(u"A", u"A", u"L", u"E"), (Words{u"AALE"}));
    EXPECT_EQ(search(u"Z", u"", u"", u"N"), (Words{u"ZAHN", u"ZÄHN", u"ZAIN", u"ZAUN", u"ZÄUN",
                                                   u"ZEHN", u"ZINN", u"ZORN", u"ZÜRN", u"ZYAN"}));
}

TEST(Search4, ListsEveryWordBeginningWithALetter) {
    const Words a_first = search(u"A", u"", u"", u"");
    ASSERT_EQ(a_first.size(), 136U);
    EXPECT_EQ(a_first.front(), u"AALE");
    EXPECT_EQ(a_first.back(), u"AZUR");
    EXPECT_TRUE(all_begin_with(a_first, u'A'));

    const Words umlaut_a_first = search(u"Ä", u"", u"", u"");
    ASSERT_EQ(umlaut_a_first.size(), 24U);
    EXPECT_EQ(umlaut_a_first.front(), u"ÄBTE");
    EXPECT_TRUE(all_begin_with(umlaut_a_first, u'Ä')) << "no word with a plain A";
}

TEST(Search4, DisregardsABoxOneWithWhichNoWordBegins) {
    const Words y_second = search(u"", u"Y", u"", u"");
    ASSERT_EQ(y_second.size(), 14U);
    EXPECT_TRUE(contains(y_second, u"BYTE"));
    EXPECT_TRUE(contains(y_second, u"CYAN"));
    for (const std::u16string_view box1 : {u"X", u"ß", u"1", u"AB"}) {
        EXPECT_EQ(search(box1, u"Y", u"", u""), y_second);
        EXPECT_EQ(search(box1, u"", u"", u""), Words{}) << "the whole table is never listed";
    }
}

TEST(Search4, ALaterBoxThatMatchesNothingLeavesNothing) {
    for (const std::u16string_view box1 : {u"", u"A", u"Z"}) {
        EXPECT_EQ(search(box1, u"Q", u"", u""), Words{});
        EXPECT_EQ(search(box1, u"", u"", u"J"), Words{});
        EXPECT_EQ(search(box1, u"AB", u"", u""), Words{}) << "two characters in box 2";
    }
    EXPECT_EQ(search(u"A", u"ß", u"", u""), Words{});
    EXPECT_EQ(search(u"", u"", u"ß", u""), Words{});
    EXPECT_EQ(search(u"Z", u"", u"", u"ß"), Words{});
    EXPECT_EQ(search(u"A", u"A", u"LE", u""), Words{}) << "two characters in box 3";
}

TEST(Search4, NeverListsTheWholeTable) {
    EXPECT_EQ(search(u"", u"", u"", u""), Words{});
}
