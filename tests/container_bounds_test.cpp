// Every word table and stage buffer of the program refuses a negative index and the index equal
// to its capacity before it touches anything, and takes every index below.

#include "search/stage_buffer.h"
#include "tables/word_tables.h"

#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using quabbel::StageBuffer;
using quabbel::WordTables;

using Table2 = decltype(WordTables::table_2);
using Table3 = decltype(WordTables::table_3);
using Table4 = decltype(WordTables::table_4);

// Each staged filter has one stage buffer type, as large as its table.
using StageBuffer3 = StageBuffer<Table3::capacity>;
using StageBuffer4 = StageBuffer<Table4::capacity>;

template <typename Table> std::vector<std::u16string> contents(const Table& table) {
    std::vector<std::u16string> slots;
    for (int index = 0; index < Table::capacity; ++index) {
        slots.emplace_back(table.at(index));
    }
    return slots;
}

template <typename Buffer> std::vector<int> entries(const Buffer& buffer) {
    std::vector<int> slots;
    for (int index = 1; index <= buffer.count(); ++index) {
        slots.push_back(buffer.at(index));
    }
    return slots;
}

} // namespace

TEST(ContainerBounds, TablesAndStageBuffersHaveTheirCapacities) {
    EXPECT_EQ(Table2::capacity, 101);
    EXPECT_EQ(Table3::capacity, 701);
    EXPECT_EQ(Table4::capacity, 3501);
    EXPECT_EQ(StageBuffer3::capacity, 701);
    EXPECT_EQ(StageBuffer4::capacity, 3501);
}

template <typename Table> class TableBounds : public testing::Test {};
using Tables = testing::Types<Table2, Table3, Table4>;
TYPED_TEST_SUITE(TableBounds, Tables);

TYPED_TEST(TableBounds, RefusesANegativeIndexAndTheCapacityBeforeTouchingASlot) {
    constexpr int capacity = TypeParam::capacity;
    const auto table = std::make_unique<TypeParam>();
    for (int index = 0; index < capacity; ++index) {
        table->store(index, std::u16string(TypeParam::width, u'A'));
    }
    table->store(capacity - 1, u"ZZZZ");
    EXPECT_EQ(table->at(capacity - 1), std::u16string(TypeParam::width, u'Z'));
    const auto before = contents(*table);

    for (const int index : {capacity, -1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(index);
        EXPECT_THROW(table->store(index, u"XXXX"), std::out_of_range);
        EXPECT_THROW(static_cast<void>(table->at(index)), std::out_of_range);
    }
    EXPECT_EQ(contents(*table), before);
}

template <typename Buffer> class StageBufferBounds : public testing::Test {};
using StageBuffers = testing::Types<StageBuffer3, StageBuffer4>;
TYPED_TEST_SUITE(StageBufferBounds, StageBuffers);

// Entry 0 is never used, so a full buffer holds capacity - 1 entries.
TYPED_TEST(StageBufferBounds, RefusesAnEntryAtItsCapacityBeforeTouchingAnything) {
    constexpr int capacity = TypeParam::capacity;
    const auto buffer = std::make_unique<TypeParam>();
    for (int slot = capacity - 1; slot >= 1; --slot) {
        buffer->append(slot);
    }
    ASSERT_EQ(buffer->count(), capacity - 1);
    EXPECT_EQ(buffer->at(capacity - 1), 1);
    const auto before = entries(*buffer);

    EXPECT_THROW(buffer->append(1), std::out_of_range);
    EXPECT_EQ(buffer->count(), capacity - 1) << "a refused entry is not counted";
    for (const int index : {capacity, -1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(index);
        EXPECT_THROW(static_cast<void>(buffer->at(index)), std::out_of_range);
    }
    EXPECT_EQ(entries(*buffer), before);
}

TYPED_TEST(StageBufferBounds, RefusesANegativeIndexOrTheCapacityWhileNotFull) {
    TypeParam buffer;
    buffer.append(5);
    EXPECT_THROW(static_cast<void>(buffer.at(-1)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(buffer.at(TypeParam::capacity)), std::out_of_range);
    EXPECT_EQ(buffer.count(), 1);
    EXPECT_EQ(buffer.at(1), 5);
}
