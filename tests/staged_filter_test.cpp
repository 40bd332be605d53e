// The rules of the staged filter, on small tables whose every word is known here.

#include "search/staged_filter.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Words = std::vector<std::u16string>;
using Table3 = quabbel::WordTable<3, 10>;
using Table4 = quabbel::WordTable<4, 10>;

template <typename Table> Table filled(std::initializer_list<std::u16string_view> words) {
    Table table;
    int slot = 0;
    for (const std::u16string_view word : words) {
        table.store(++slot, word);
    }
    return table;
}

const Table3 table_3 = filled<Table3>({u"ABC", u"ABD", u"ACD", u"BBC", u"BCC", u"CAD", u"ÄBC"});
constexpr int count_3 = 7;

const Table4 table_4 = filled<Table4>({u"AALE", u"AALS", u"AARE", u"BALD", u"BÄLE", u"ZEHN"});
constexpr int count_4 = 6;

Words filter_3(std::u16string_view box1, std::u16string_view box2, std::u16string_view box3) {
    return quabbel::staged_filter(table_3, count_3, {box1, box2, box3});
}

Words filter_4(std::u16string_view box1, std::u16string_view box2, std::u16string_view box3,
               std::u16string_view box4) {
    return quabbel::staged_filter(table_4, count_4, {box1, box2, box3, box4});
}

} // namespace

TEST(StagedFilter, NarrowsByEveryBoxThatHoldsALetterInSlotOrder) {
    EXPECT_EQ(filter_3(u"A", u"", u""), (Words{u"ABC", u"ABD", u"ACD"}));
    EXPECT_EQ(filter_3(u"A", u"B", u""), (Words{u"ABC", u"ABD"}));
    EXPECT_EQ(filter_3(u"A", u"", u"D"), (Words{u"ABD", u"ACD"})) << "an empty box passes on";
    EXPECT_EQ(filter_3(u"", u"", u"D"), (Words{u"ABD", u"ACD", u"CAD"}));
    EXPECT_EQ(filter_3(u"", u"B", u"C"), (Words{u"ABC", u"BBC", u"ÄBC"}));
    EXPECT_EQ(filter_3(u"B", u"C", u"C"), (Words{u"BCC"}));
    EXPECT_EQ(filter_3(u"Ä", u"", u""), (Words{u"ÄBC"})) << "Ä is not A";
}

TEST(StagedFilter, DisregardsABoxOneThatBeginsNoWord) {
    for (const std::u16string_view box1 : {u"X", u"ß", u"1", u" ", u"a", u"AB"}) {
        EXPECT_EQ(filter_3(box1, u"B", u""), filter_3(u"", u"B", u""));
        EXPECT_EQ(filter_3(box1, u"", u"D"), (Words{u"ABD", u"ACD", u"CAD"}));
        EXPECT_EQ(filter_3(box1, u"", u""), Words{}) << "nothing restricted";
    }
}

TEST(StagedFilter, ALaterBoxWithTextThatMatchesNothingLeavesNothing) {
    EXPECT_EQ(filter_3(u"", u"Z", u""), Words{});
    EXPECT_EQ(filter_3(u"A", u"Z", u""), Words{});
    EXPECT_EQ(filter_3(u"A", u"", u"Z"), Words{});
    EXPECT_EQ(filter_3(u"C", u"B", u""), Words{}) << "B is second only in words not kept";
    EXPECT_EQ(filter_3(u"X", u"Z", u"C"), Words{});
    EXPECT_EQ(filter_3(u"A", u"b", u""), Words{}) << "no case folding";
    EXPECT_EQ(filter_3(u"A", u"BC", u""), Words{}) << "two characters equal no letter";
    EXPECT_EQ(filter_3(u"", u"", u"CD"), Words{});
    EXPECT_EQ(filter_3(u"A", u" ", u""), Words{});
}

TEST(StagedFilter, NeverListsTheWholeTable) {
    EXPECT_EQ(filter_3(u"", u"", u""), Words{});
    EXPECT_EQ(filter_4(u"", u"", u"", u""), Words{});

    // Even a box that restricts nothing because every word has its letter.
    const Table3 same_first = filled<Table3>({u"ABC", u"ACE", u"ADE"});
    EXPECT_EQ(quabbel::staged_filter(same_first, 3, {u"A", u"", u""}), Words{});
    EXPECT_EQ(quabbel::staged_filter(same_first, 3, {u"A", u"", u"E"}), (Words{u"ACE", u"ADE"}));
}

TEST(StagedFilter, RunsFourStagesForFourLetters) {
    EXPECT_EQ(filter_4(u"A", u"A", u"", u""), (Words{u"AALE", u"AALS", u"AARE"}));
    EXPECT_EQ(filter_4(u"", u"", u"", u"E"), (Words{u"AALE", u"AARE", u"BÄLE"}));
    EXPECT_EQ(filter_4(u"B", u"", u"L", u""), (Words{u"BALD", u"BÄLE"}));
    EXPECT_EQ(filter_4(u"X", u"", u"", u"N"), (Words{u"ZEHN"}));
    EXPECT_EQ(filter_4(u"A", u"A", u"L", u"E"), (Words{u"AALE"}));
    EXPECT_EQ(filter_4(u"A", u"A", u"L", u"N"), Words{});
    EXPECT_EQ(filter_4(u"", u"", u"LE", u""), Words{});
    EXPECT_EQ(filter_4(u"", u"", u"", u"Q"), Words{});
}

TEST(StagedFilter, FillsItsStagesUpToTheTableCapacity) {
    using Full = quabbel::WordTable<3, 4>;
    const Full full = filled<Full>({u"ABC", u"ABD", u"BBC"});
    EXPECT_EQ(quabbel::staged_filter(full, 3, {u"", u"", u"C"}), (Words{u"ABC", u"BBC"}));
    EXPECT_THROW(quabbel::staged_filter(full, 4, {u"", u"", u"C"}), std::out_of_range)
        << "a count beyond the last slot is refused";
}
