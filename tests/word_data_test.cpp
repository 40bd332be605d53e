// The facts that the word lists must meet, checked against the loaded tables and, where the
// case of the data matters, against the lists as written.

#include "loaded_tables.h"
#include "table_scan.h"
#include "tables/upper_case.h"
#include "tables/word_data.h"
#include "word_order.h"

#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Words = std::vector<std::u16string>;
using quabbel::upper_case;
namespace data = quabbel::word_data;

bool is_capital(char16_t character) {
    return character != u'*' && upper_case(character) == character;
}

bool is_lower_case_word(std::u16string_view word) {
    return std::none_of(word.begin(), word.end(), is_capital);
}

bool is_capitalised_word(std::u16string_view word) {
    return is_capital(word.front()) && is_lower_case_word(word.substr(1));
}

bool is_capitals_word(std::u16string_view word) {
    return std::all_of(word.begin(), word.end(), is_capital);
}

template <typename List, typename Predicate>
std::ptrdiff_t count_words(const List& list, Predicate predicate) {
    return std::count_if(list.begin(), list.end(), predicate);
}

// Every character of the list that is not among the allowed ones, with its slot.
template <typename List> Words foreign_characters(const List& list, std::u16string_view allowed) {
    Words found;
    for (std::size_t slot = 1; slot <= list.size(); ++slot) {
        for (const char16_t character : list[slot - 1]) {
            if (allowed.find(character) == std::u16string_view::npos) {
                const std::string number = std::to_string(slot);
                found.push_back(std::u16string(1, character) + u" in slot " +
                                std::u16string(number.begin(), number.end()));
            }
        }
    }
    return found;
}

// Every pair of neighbouring words that is not in strictly ascending order.
Words out_of_order(const Words& words, bool (*precedes)(std::u16string_view, std::u16string_view)) {
    Words pairs;
    for (std::size_t index = 1; index < words.size(); ++index) {
        if (!precedes(words[index - 1], words[index])) {
            pairs.push_back(words[index - 1] + u" / " + words[index]);
        }
    }
    return pairs;
}

std::size_t distinct(const Words& words) {
    return std::set<std::u16string>(words.begin(), words.end()).size();
}

constexpr std::u16string_view latin_letters =
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

Words table_2_matching(std::u16string_view pattern) {
    return words_matching(loaded_tables().table_2, loaded_tables().count_2, pattern);
}

Words table_3_matching(std::u16string_view pattern) {
    return words_matching(loaded_tables().table_3, loaded_tables().count_3, pattern);
}

Words table_4_matching(std::u16string_view pattern) {
    return words_matching(loaded_tables().table_4, loaded_tables().count_4, pattern);
}

// The three-letter word as the data gives it, found by its spelling in capitals; empty if absent.
std::u16string written_3(std::u16string_view capitals) {
    for (const std::u16string_view text : data::words_3) {
        std::u16string upper(text.substr(0, capitals.size()));
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char16_t character) { return upper_case(character); });
        if (upper == capitals) {
            return std::u16string(text);
        }
    }
    return {};
}

Words table_3_words() {
    return filled_words(loaded_tables().table_3, loaded_tables().count_3);
}

Words table_4_words() {
    return filled_words(loaded_tables().table_4, loaded_tables().count_4);
}

} // namespace

TEST(TwoLetterData, KeepsItsCaseAndLetters) {
    EXPECT_EQ(count_words(data::words_2, is_lower_case_word), 51);
    EXPECT_EQ(count_words(data::words_2, is_capitalised_word), 24);
    EXPECT_EQ(count_words(data::words_2, is_capitals_word), 1);
    EXPECT_EQ(data::words_2[62], u"TI");
    EXPECT_EQ(foreign_characters(data::words_2, std::u16string(latin_letters) + u"äöüÖ"), Words{});
}

TEST(TwoLetterData, IsInItsOrderWithoutRepeats) {
    const Words words = filled_words(loaded_tables().table_2, loaded_tables().count_2);
    EXPECT_EQ(out_of_order(words, precedes_in_two_letter_order), Words{});
    EXPECT_EQ(distinct(words), words.size());
}

TEST(TwoLetterData, GivesTheLookupResults) {
    EXPECT_EQ(table_2_matching(u"A?"),
              (Words{u"AA", u"AB", u"AD", u"AH", u"AI", u"AM", u"AN", u"AR", u"AS", u"AU"}));
    EXPECT_EQ(table_2_matching(u"Ä?"), (Words{u"ÄH", u"ÄS"}));
    EXPECT_EQ(table_2_matching(u"?H"), (Words{u"AH", u"ÄH", u"EH", u"OH", u"UH"}));
    EXPECT_EQ(table_2_matching(u"?Ö"), (Words{u"BÖ", u"NÖ", u"TÖ"}));
    EXPECT_EQ(table_2_matching(u"Q?"), (Words{u"QI"}));
    for (const char16_t first : std::u16string_view(u"CKVY")) {
        EXPECT_EQ(table_2_matching(std::u16string{first, u'?'}), Words{});
    }
}

TEST(ThreeLetterData, KeepsItsCaseAndLetters) {
    EXPECT_EQ(count_words(data::words_3, is_lower_case_word), 295);
    EXPECT_EQ(count_words(data::words_3, is_capitalised_word), 334);
    // The asterisk belongs to slot 253 alone, é to slot 412 alone.
    EXPECT_EQ(foreign_characters(data::words_3, std::u16string(latin_letters) + u"äöüÄÖÜé*"),
              Words{});
    EXPECT_EQ(count_words(data::words_3, [](auto word) { return word.find(u'*') != word.npos; }),
              1);
    EXPECT_EQ(count_words(data::words_3, [](auto word) { return word.find(u'é') != word.npos; }),
              1);
}

TEST(ThreeLetterData, HoldsTheNamedWordsAsWritten) {
    const auto slots = [](int first, int last) {
        return Words(data::words_3.begin() + first - 1, data::words_3.begin() + last);
    };
    EXPECT_EQ(slots(1, 5), (Words{u"Aal", u"Aar", u"Aas", u"Aba", u"Abi"}));
    EXPECT_EQ(slots(252, 254), (Words{u"Hub", u"hüb*", u"Huf"}));
    EXPECT_EQ(data::words_3[383 - 1], u"Net");
    EXPECT_EQ(data::words_3[412 - 1], u"olé");
    EXPECT_EQ(data::words_3[523 - 1], u"Spa");
    EXPECT_EQ(slots(625, 629), (Words{u"zot", u"Zug", u"zum", u"zur", u"zwo"}));
    // The case rules' own examples: nouns capitalised, other words in lower case.
    EXPECT_EQ(written_3(u"AAL"), u"Aal");
    EXPECT_EQ(written_3(u"AHN"), u"Ahn");
    EXPECT_EQ(written_3(u"AHA"), u"aha");
    EXPECT_EQ(written_3(u"ÄFF"), u"äff");
}

TEST(ThreeLetterData, HoldsTheNamedWordsWhenLoaded) {
    const auto& table = loaded_tables().table_3;
    EXPECT_EQ(table.at(253), u"HÜB");
    EXPECT_EQ(table.at(383), u"NET");
    EXPECT_EQ(table.at(412), u"OLÉ");
    EXPECT_EQ(table.at(523), u"SPA");
    EXPECT_EQ(table.at(629), u"ZWO");
}

TEST(ThreeLetterData, IsInItsOrderWithoutRepeats) {
    const Words words = table_3_words();
    EXPECT_EQ(out_of_order(words, precedes_in_longer_order), Words{});
    EXPECT_EQ(distinct(words), words.size());
}

TEST(ThreeLetterData, EveryLetterBeginsSomeWord) {
    for (const char16_t first : std::u16string_view(u"ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ")) {
        EXPECT_FALSE(table_3_matching(std::u16string{first, u'?', u'?'}).empty())
            << "no word begins with " << static_cast<int>(first);
    }
}

TEST(ThreeLetterData, GivesTheResultsOfSingleLetters) {
    const Words a_first = table_3_matching(u"A??");
    ASSERT_EQ(a_first.size(), 48U);
    EXPECT_EQ(Words(a_first.begin(), a_first.begin() + 3), (Words{u"AAL", u"AAR", u"AAS"}));
    EXPECT_EQ(a_first.back(), u"AXT");

    EXPECT_EQ(table_3_matching(u"Ä??"), (Words{u"ÄFF", u"ÄHM", u"ÄKS", u"ÄON", u"ÄRA", u"ÄSE",
                                               u"ÄSS", u"ÄST", u"ÄTZ", u"ÄUG"}));
    EXPECT_EQ(table_3_matching(u"Q??"), (Words{u"QIS", u"QUA"}));
    EXPECT_EQ(table_3_matching(u"?X?"), (Words{u"AXT", u"EXE", u"EXT", u"IXE", u"IXT"}));
    EXPECT_EQ(table_3_matching(u"??Z"),
              (Words{u"ATZ", u"ÄTZ", u"DEZ", u"DUZ", u"ERZ", u"FEZ", u"PIZ"}));
    EXPECT_EQ(table_3_matching(u"?Ü?"),
              (Words{u"BÜK", u"BÜX", u"DÜS", u"FÜG", u"FÜR", u"HÜB", u"HÜF", u"HÜT", u"KÜR", u"LÜD",
                     u"LÜG", u"MÜH", u"RÜD", u"RÜG", u"SÜD", u"TÜR", u"TÜT", u"WÜT"}));
    EXPECT_EQ(table_3_matching(u"?Q?"), Words{});

    const Words a_second = table_3_matching(u"?A?");
    ASSERT_EQ(a_second.size(), 103U);
    EXPECT_EQ(Words(a_second.begin(), a_second.begin() + 4),
              (Words{u"AAL", u"AAR", u"AAS", u"BAD"}));
}

TEST(ThreeLetterData, GivesTheResultsOfLetterPairs) {
    EXPECT_EQ(table_3_matching(u"?AT"),
              (Words{u"BAT", u"GAT", u"HAT", u"KAT", u"RAT", u"TAT", u"WAT"}));
    EXPECT_EQ(table_3_matching(u"K?H"), (Words{u"KUH"}));
    EXPECT_EQ(table_3_matching(u"AX?"), (Words{u"AXT"}));
    EXPECT_EQ(table_3_matching(u"ÖHR"), (Words{u"ÖHR"}));
}

TEST(ThreeLetterData, OleIsTheOnlyWordWithEAcute) {
    Words with_e_acute;
    for (const std::u16string& word : table_3_words()) {
        if (word.find(u'É') != std::u16string::npos) {
            with_e_acute.push_back(word);
        }
    }
    EXPECT_EQ(with_e_acute, (Words{u"OLÉ"}));
}

TEST(FourLetterData, IsWrittenInCapitals) {
    EXPECT_EQ(foreign_characters(data::words_4, u"ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ"), Words{});
}

TEST(FourLetterData, HoldsTheNamedWords) {
    const auto& table = loaded_tables().table_4;
    const auto slots = [&table](int first, int last) {
        Words words;
        for (int index = first; index <= last; ++index) {
            words.emplace_back(table.at(index));
        }
        return words;
    };
    EXPECT_EQ(slots(1, 5), (Words{u"AALE", u"AALS", u"AALT", u"AARE", u"AARS"}));
    EXPECT_EQ(slots(800, 801), (Words{u"GÄBE", u"GABT"}));
    EXPECT_EQ(slots(1600, 1601), (Words{u"LÖSS", u"LOST"}));
    EXPECT_EQ(slots(2400, 2401), (Words{u"SHOP", u"SHOW"}));
    EXPECT_EQ(slots(3037, 3041), (Words{u"ZURR", u"ZUTU", u"ZWAR", u"ZWEI", u"ZYAN"}));
}

TEST(FourLetterData, IsInItsOrderWithoutRepeats) {
    const Words words = table_4_words();
    EXPECT_EQ(out_of_order(words, precedes_in_longer_order), Words{});
    EXPECT_EQ(distinct(words), words.size());
}

TEST(FourLetterData, GivesTheResultsOfSingleLetters) {
    const Words a_first = table_4_matching(u"A???");
    ASSERT_EQ(a_first.size(), 136U);
    EXPECT_EQ(a_first.front(), u"AALE");
    EXPECT_EQ(a_first.back(), u"AZUR");

    const Words umlaut_a_first = table_4_matching(u"Ä???");
    ASSERT_EQ(umlaut_a_first.size(), 24U);
    EXPECT_EQ(umlaut_a_first.front(), u"ÄBTE");

    const Words y_second = table_4_matching(u"?Y??");
    EXPECT_EQ(y_second.size(), 14U);
    EXPECT_NE(std::find(y_second.begin(), y_second.end(), u"BYTE"), y_second.end());
    EXPECT_NE(std::find(y_second.begin(), y_second.end(), u"CYAN"), y_second.end());

    EXPECT_EQ(table_4_matching(u"?Q??"), Words{});
    EXPECT_EQ(table_4_matching(u"???J"), Words{});
    EXPECT_EQ(table_4_matching(u"X???"), Words{});
}

TEST(FourLetterData, GivesTheResultsOfLetterCombinations) {
    EXPECT_EQ(table_4_matching(u"AA??"),
              (Words{u"AALE", u"AALS", u"AALT", u"AARE", u"AARS", u"AASE", u"AAST"}));
    EXPECT_EQ(table_4_matching(u"AALE"), (Words{u"AALE"}));
    EXPECT_EQ(table_4_matching(u"Z??N"), (Words{u"ZAHN", u"ZÄHN", u"ZAIN", u"ZAUN", u"ZÄUN",
                                                u"ZEHN", u"ZINN", u"ZORN", u"ZÜRN", u"ZYAN"}));
    EXPECT_EQ(table_4_matching(u"AFFE"), (Words{u"AFFE"}));
    EXPECT_EQ(table_4_matching(u"ÄFFE"), (Words{u"ÄFFE"}));
}
