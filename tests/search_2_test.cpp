#include "loaded_tables.h"
#include "search/search_2.h"
#include "table_scan.h"

#include <gtest/gtest.h>
#include <set>
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

// Over all letters that occur at a position, the searches together find every word exactly
// once, and each agrees with a plain scan of the table.
TEST(Search2, EveryWordIsFoundByEachOfItsLetters) {
    const auto& tables = loaded_tables();
    const Words all_words = filled_words(tables.table_2, tables.count_2);
    for (const int position : {1, 2}) {
        std::set<char16_t> letters;
        for (const auto& word : all_words) {
            letters.insert(word[static_cast<std::size_t>(position - 1)]);
        }
        std::size_t found = 0;
        for (const char16_t letter : letters) {
            std::u16string pattern = u"??";
            pattern[static_cast<std::size_t>(position - 1)] = letter;
            const Words words = search(position, std::u16string(1, letter));
            EXPECT_EQ(words, words_matching(tables.table_2, tables.count_2, pattern));
            found += words.size();
        }
        EXPECT_EQ(found, all_words.size()) << "position " << position;
    }
}
