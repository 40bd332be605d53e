#pragma once

#include <string_view>

// The order of table_2: case ignored, ä, ö and ü are letters of their own, sorting directly
// after a, o and u. True if a comes strictly before b.
bool precedes_in_two_letter_order(std::u16string_view a, std::u16string_view b);

// The order of table_3 and table_4: case ignored, ä, ö, ü compared as a, o, u and é as e; of
// two words equal under that rule, the one with the plain letter at the first position where
// they differ comes first. True if a comes strictly before b.
bool precedes_in_longer_order(std::u16string_view a, std::u16string_view b);
