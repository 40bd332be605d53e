#include "tables/upper_case.h"

#include <gtest/gtest.h>

using quabbel::upper_case;

TEST(UpperCase, TurnsEveryLatinLowerCaseLetterIntoItsCapital) {
    EXPECT_EQ(upper_case(u"abcdefghijklmnopqrstuvwxyz"), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST(UpperCase, TurnsUmlautsAndEAcuteIntoCapitals) {
    EXPECT_EQ(upper_case(u"äöüé"), u"ÄÖÜÉ");
    EXPECT_EQ(upper_case(u'é'), u'É');
}

TEST(UpperCase, KeepsSharpSAndTheLength) {
    EXPECT_EQ(upper_case(u'ß'), u'ß');
    EXPECT_EQ(upper_case(u"Maß"), u"MAß");
    EXPECT_EQ(upper_case(u"Fuß").size(), 3U);
}

TEST(UpperCase, LeavesCapitalsAndEveryOtherCharacterAsTheyAre) {
    // à and ÿ have capitals elsewhere, but not under this program's rule.
    const std::u16string others = u"AZÄÖÜÉ 09*-àÿ@[`{";
    EXPECT_EQ(upper_case(others), others);
    EXPECT_EQ(upper_case(u""), u"");
}

TEST(UpperCase, IsIdempotent) {
    const std::u16string once = upper_case(u"hüb* Öl äff olé ß");
    EXPECT_EQ(once, u"HÜB* ÖL ÄFF OLÉ ß");
    EXPECT_EQ(upper_case(once), once);
}
