#include "search/stage_buffer.h"

#include <gtest/gtest.h>
#include <stdexcept>

using quabbel::StageBuffer;

TEST(StageBuffer, KeepsTheSlotsFromEntryOneInTheOrderAdded) {
    StageBuffer<6> buffer;
    EXPECT_EQ(buffer.count(), 0);
    for (const int slot : {4, 2, 5}) {
        buffer.append(slot);
    }
    EXPECT_EQ(buffer.count(), 3);
    EXPECT_EQ(buffer.at(1), 4);
    EXPECT_EQ(buffer.at(2), 2);
    EXPECT_EQ(buffer.at(3), 5);
}

TEST(StageBuffer, RefusesAnIndexOutsideItsCapacityBeforeTouchingAnything) {
    StageBuffer<4> buffer;
    for (const int slot : {1, 2, 3}) {
        buffer.append(slot);
    }
    EXPECT_THROW(buffer.append(3), std::out_of_range);
    EXPECT_EQ(buffer.count(), 3) << "a refused entry is not counted";
    EXPECT_EQ(buffer.at(3), 3);
    EXPECT_THROW(static_cast<void>(buffer.at(4)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(buffer.at(-1)), std::out_of_range);
}

// The buffers of the four-letter filter take every slot of table_4 up to its last, 3500.
TEST(StageBuffer, TakesAWholeTableOfItsCapacity) {
    StageBuffer<3501> buffer;
    for (int slot = 1; slot <= 3500; ++slot) {
        buffer.append(slot);
    }
    EXPECT_EQ(buffer.count(), 3500);
    EXPECT_EQ(buffer.at(3500), 3500);
    EXPECT_THROW(buffer.append(1), std::out_of_range);
}

TEST(StageBuffer, AppendsARunOfSlotsOrAllOfAnotherBufferAfterItsEntries) {
    StageBuffer<10> buffer;
    buffer.append(7);
    buffer.append_slots(2, 4);
    buffer.append_slots(5, 4); // an empty run
    EXPECT_EQ(buffer.count(), 4);

    StageBuffer<10> copy;
    copy.append(9);
    copy.append_all(buffer);
    ASSERT_EQ(copy.count(), 5);
    int index = 0;
    for (const int slot : {9, 7, 2, 3, 4}) {
        EXPECT_EQ(copy.at(++index), slot);
    }
}

TEST(StageBuffer, RefusesARunThatWouldPassItsCapacityBeforeTouchingAnything) {
    StageBuffer<4> buffer;
    buffer.append(1);
    EXPECT_THROW(buffer.append_slots(1, 3), std::out_of_range);
    EXPECT_EQ(buffer.count(), 1);
    EXPECT_EQ(buffer.at(2), 0) << "no entry of the refused run was stored";

    StageBuffer<4> full;
    full.append_slots(1, 3);
    EXPECT_THROW(buffer.append_all(full), std::out_of_range);
    EXPECT_EQ(buffer.count(), 1);
    EXPECT_EQ(buffer.at(2), 0);

    StageBuffer<4> empty;
    empty.append_all(full);
    EXPECT_EQ(empty.count(), 3);
    EXPECT_EQ(empty.at(3), 3);
}
