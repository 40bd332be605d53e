#include "tables/word_table.h"

#include <climits>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using SmallTable = quabbel::WordTable<3, 5>;

// Every slot's text, so a test can tell whether anything changed.
std::vector<std::u16string> contents(const SmallTable& table) {
    std::vector<std::u16string> slots;
    for (int index = 0; index < SmallTable::capacity; ++index) {
        slots.emplace_back(table.at(index));
    }
    return slots;
}

} // namespace

TEST(WordTable, StoresATextOfTheSlotWidthAsItIs) {
    SmallTable table;
    table.store(1, u"Aal");
    EXPECT_EQ(table.at(1), u"Aal");
    EXPECT_EQ(table.at(1).size(), 3U);
}

TEST(WordTable, CutsALongerTextAfterTheSlotWidth) {
    SmallTable table;
    table.store(2, u"hüb*");
    EXPECT_EQ(table.at(2), u"hüb");
}

TEST(WordTable, PadsAShorterTextWithSpaces) {
    SmallTable table;
    table.store(3, u"Aal");
    table.store(3, u"ä");
    EXPECT_EQ(table.at(3), u"ä  ");
    table.store(3, u"");
    EXPECT_EQ(table.at(3), u"   ");
}

TEST(WordTable, StoreTouchesOnlyItsSlot) {
    SmallTable table;
    table.store(1, u"abc");
    table.store(3, u"def");
    const auto before = contents(table);
    table.store(2, u"wxyz");
    auto expected = before;
    expected[2] = u"wxy";
    EXPECT_EQ(contents(table), expected);
}

TEST(WordTable, AcceptsTheFirstAndLastIndex) {
    SmallTable table;
    table.store(0, u"abc");
    table.store(SmallTable::capacity - 1, u"xyz");
    EXPECT_EQ(table.at(0), u"abc");
    EXPECT_EQ(table.at(SmallTable::capacity - 1), u"xyz");
}

TEST(WordTable, RefusesIndicesOutsideTheCapacityBeforeTouchingAnySlot) {
    SmallTable table;
    for (int index = 0; index < SmallTable::capacity; ++index) {
        table.store(index, u"abc");
    }
    const auto before = contents(table);
    for (const int index : {-1, SmallTable::capacity, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(index);
        EXPECT_THROW(table.store(index, u"XYZ"), std::out_of_range);
        EXPECT_THROW((void)table.at(index), std::out_of_range);
        EXPECT_EQ(contents(table), before);
    }
}
