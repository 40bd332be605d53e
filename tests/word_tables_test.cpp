#include "loaded_tables.h"
#include "tables/upper_case.h"
#include "tables/word_data.h"
#include "tables/word_tables.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

namespace {

using quabbel::upper_case;
using quabbel::WordTables;

// What a slot holds after loading: the first Width characters of the word, upper-cased.
std::u16string loaded_form(std::u16string_view word, int width) {
    return upper_case(word.substr(0, static_cast<std::size_t>(width)));
}

// Checks slots first..last against the raw words (words[0] belongs to slot 1).
template <typename Table, typename Words>
void expect_block_loaded(const Table& table, int first, int last, const Words& words) {
    for (int index = first; index <= last; ++index) {
        ASSERT_EQ(table.at(index),
                  loaded_form(words.at(static_cast<std::size_t>(index - 1)), Table::width))
            << "slot " << index;
    }
}

} // namespace

TEST(WordTables, CountsAreZeroUntilTheirLoaderSetsThem) {
    auto tables = std::make_unique<WordTables>();
    EXPECT_EQ(tables->count_2, 0);
    EXPECT_EQ(tables->count_3, 0);
    EXPECT_EQ(tables->count_4, 0);

    tables->staben_2();
    EXPECT_EQ(tables->count_2, 76);
    EXPECT_EQ(tables->count_3, 0);
    tables->staben_3();
    EXPECT_EQ(tables->count_3, 629);

    tables->staben_4_1();
    EXPECT_EQ(tables->count_4, 0);
    tables->staben_4_2();
    EXPECT_EQ(tables->count_4, 0);
    tables->staben_4_3();
    EXPECT_EQ(tables->count_4, 0);
    tables->staben_4_4();
    EXPECT_EQ(tables->count_4, 3041);
    EXPECT_EQ(tables->count_2, 76);
    EXPECT_EQ(tables->count_3, 629);
}

// Lower-case markers on both sides of a block show that a loader neither overwrites nor
// upper-cases a slot outside it.
TEST(WordTables, TwoAndThreeLetterLoadersUpperCaseExactlyTheirBlock) {
    auto tables = std::make_unique<WordTables>();
    tables->table_2.store(0, u"xy");
    tables->table_2.store(77, u"xy");
    tables->table_3.store(0, u"xyz");
    tables->table_3.store(630, u"xyz");

    tables->staben_2();
    expect_block_loaded(tables->table_2, 1, 76, quabbel::word_data::words_2);
    EXPECT_EQ(tables->table_2.at(2), u"AB");
    tables->staben_3();
    expect_block_loaded(tables->table_3, 1, 629, quabbel::word_data::words_3);

    EXPECT_EQ(tables->table_2.at(0), u"xy");
    EXPECT_EQ(tables->table_2.at(77), u"xy");
    EXPECT_EQ(tables->table_3.at(0), u"xyz");
    EXPECT_EQ(tables->table_3.at(630), u"xyz");
}

struct FourLetterBlock {
    const char* name;
    void (WordTables::*loader)();
    int first;
    int last;
};

void PrintTo(const FourLetterBlock& block, std::ostream* out) {
    *out << block.name;
}

class FourLetterLoader : public testing::TestWithParam<FourLetterBlock> {};

TEST_P(FourLetterLoader, FillsExactlyItsBlock) {
    const FourLetterBlock block = GetParam();
    auto tables = std::make_unique<WordTables>();
    tables->table_4.store(block.first - 1, u"wxyz");
    tables->table_4.store(block.last + 1, u"wxyz");

    ((*tables).*block.loader)();

    expect_block_loaded(tables->table_4, block.first, block.last, quabbel::word_data::words_4);
    EXPECT_EQ(tables->table_4.at(block.first - 1), u"wxyz");
    EXPECT_EQ(tables->table_4.at(block.last + 1), u"wxyz");
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, FourLetterLoader,
    testing::Values(FourLetterBlock{"staben_4_1", &WordTables::staben_4_1, 1, 800},
                    FourLetterBlock{"staben_4_2", &WordTables::staben_4_2, 801, 1600},
                    FourLetterBlock{"staben_4_3", &WordTables::staben_4_3, 1601, 2400},
                    FourLetterBlock{"staben_4_4", &WordTables::staben_4_4, 2401, 3041}),
    [](const testing::TestParamInfo<FourLetterBlock>& param_info) {
        return param_info.param.name;
    });

TEST(WordTables, AfterStartHoldTheNamedTwoAndThreeLetterWords) {
    const WordTables& tables = loaded_tables();
    EXPECT_EQ(tables.count_2, 76);
    EXPECT_EQ(tables.count_3, 629);
    EXPECT_EQ(tables.count_4, 3041);
    EXPECT_EQ(tables.table_2.at(1), u"AA");
    EXPECT_EQ(tables.table_2.at(11), u"ÄH");
    EXPECT_EQ(tables.table_2.at(28), u"HÄ");
    EXPECT_EQ(tables.table_2.at(63), u"TI");
    EXPECT_EQ(tables.table_2.at(76), u"ZU");
    EXPECT_EQ(tables.table_3.at(253), u"HÜB");
}

TEST(WordTables, AfterStartNoFilledSlotHoldsALowerCaseLetterOrASpace) {
    const WordTables& tables = loaded_tables();
    const auto expect_capitals = [](std::u16string_view word, int index) {
        EXPECT_EQ(upper_case(word), word) << "slot " << index;
        EXPECT_EQ(word.find(u' '), std::u16string_view::npos) << "slot " << index;
    };
    for (int index = 1; index <= tables.count_2; ++index) {
        expect_capitals(tables.table_2.at(index), index);
    }
    for (int index = 1; index <= tables.count_3; ++index) {
        expect_capitals(tables.table_3.at(index), index);
    }
    for (int index = 1; index <= tables.count_4; ++index) {
        expect_capitals(tables.table_4.at(index), index);
    }
}
