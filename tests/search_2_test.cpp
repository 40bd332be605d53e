#include "loaded_tables.h"
#include "search/search_2.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Words = std::vector<std::u16string>;

Words search(int position, std::u16string_view text) {
    return quabbel::search_2(loaded_tables(), position, text);
}

} // namespace

TEST(Search2, FindsTheWordsWithTheLetterAtThePositionInSlotOrder) {
    EXPECT_EQ(search(1, u"A"),
              (Words{u"AA", u"AB", u"AD", u"AH", u"AI", u"AM", u"AN", u"AR", u"AS", u"AU"}));
    EXPECT_EQ(search(1, u"Ä"), (Words{u"ÄH", u"ÄS"}));
    EXPECT_EQ(search(1, u"Q"), (Words{u"QI"}));
    EXPECT_EQ(search(2, u"H"), (Words{u"AH", u"ÄH", u"EH", u"OH", u"UH"}));
    EXPECT_EQ(search(2, u"Ö"), (Words{u"BÖ", u"NÖ", u"TÖ"}));
    EXPECT_EQ(search(1, u"Z"), (Words{u"ZU"})) << "the last slot is searched too";
}

TEST(Search2, MatchesOnlyASingleExactCharacter) {
    EXPECT_TRUE(search(1, u"").empty());
    EXPECT_TRUE(search(1, u"AB").empty());
    EXPECT_TRUE(search(2, u"HH").empty());
    EXPECT_TRUE(search(1, u"a").empty()) << "no case folding";
    EXPECT_TRUE(search(1, u"ä").empty()) << "no case folding";
    EXPECT_TRUE(search(1, u"C").empty()) << "no two-letter word begins with C";
    EXPECT_TRUE(search(1, u"ß").empty());
    EXPECT_TRUE(search(2, u"1").empty());
}

TEST(Search2, KnowsOnlyTheTwoLetterPositions) {
    for (const int position : {-1, 0, 3, 100}) {
        EXPECT_TRUE(search(position, u"A").empty()) << "position " << position;
    }
}
