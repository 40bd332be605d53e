#include "word_order.h"

#include <gtest/gtest.h>

TEST(TwoLetterOrder, SortsUmlautsAsOwnLettersAfterTheirPlainLetter) {
    EXPECT_TRUE(precedes_in_two_letter_order(u"Au", u"äh"));
    EXPECT_TRUE(precedes_in_two_letter_order(u"äs", u"bi"));
    EXPECT_TRUE(precedes_in_two_letter_order(u"Os", u"öd"));
    EXPECT_TRUE(precedes_in_two_letter_order(u"Öl", u"Pi"));
    EXPECT_TRUE(precedes_in_two_letter_order(u"Uz", u"üb"));
    EXPECT_TRUE(precedes_in_two_letter_order(u"hu", u"hü"));
    EXPECT_FALSE(precedes_in_two_letter_order(u"äh", u"Au"));
}

TEST(TwoLetterOrder, IgnoresCase) {
    EXPECT_TRUE(precedes_in_two_letter_order(u"so", u"st"));
    EXPECT_TRUE(precedes_in_two_letter_order(u"st", u"TI"));
    EXPECT_TRUE(precedes_in_two_letter_order(u"TI", u"Tö"));
    EXPECT_FALSE(precedes_in_two_letter_order(u"Aa", u"AA"));
    EXPECT_FALSE(precedes_in_two_letter_order(u"AA", u"Aa"));
}

TEST(LongerOrder, ComparesAccentedLettersAsTheirPlainLetters) {
    EXPECT_TRUE(precedes_in_longer_order(u"Hub", u"hüb"));
    EXPECT_TRUE(precedes_in_longer_order(u"hüb", u"Huf"));
    EXPECT_TRUE(precedes_in_longer_order(u"ÄFFE", u"AHNE"));
    EXPECT_TRUE(precedes_in_longer_order(u"GÄBE", u"GABT"));
    EXPECT_TRUE(precedes_in_longer_order(u"LÖSS", u"LOST"));
    EXPECT_TRUE(precedes_in_longer_order(u"olé", u"Öle"));
}

TEST(LongerOrder, PutsThePlainLetterFirstBetweenOtherwiseEqualWords) {
    EXPECT_TRUE(precedes_in_longer_order(u"ahm", u"ähm"));
    EXPECT_TRUE(precedes_in_longer_order(u"Ara", u"Ära"));
    EXPECT_TRUE(precedes_in_longer_order(u"AFFE", u"ÄFFE"));
    EXPECT_TRUE(precedes_in_longer_order(u"ZAHN", u"ZÄHN"));
    EXPECT_FALSE(precedes_in_longer_order(u"ÄFFE", u"AFFE"));
    EXPECT_FALSE(precedes_in_longer_order(u"aff", u"AFF"));
}
