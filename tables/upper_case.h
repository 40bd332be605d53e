#pragma once

#include <string>
#include <string_view>

namespace quabbel {

// The program's own upper-casing: a-z, ä, ö, ü and é become capitals; every other
// character stays as it is (ß too), so the length never changes. No locale is involved.
char16_t upper_case(char16_t character);
std::u16string upper_case(std::u16string_view text);

} // namespace quabbel
