#include "tables/upper_case.h"

#include <algorithm>

namespace quabbel {

char16_t upper_case(char16_t character) {
    if (character >= u'a' && character <= u'z') {
        return static_cast<char16_t>(character - u'a' + u'A');
    }
    switch (character) {
    case u'\u00E4': // ä
        return u'\u00C4';
    case u'\u00F6': // ö
        return u'\u00D6';
    case u'\u00FC': // ü
        return u'\u00DC';
    case u'\u00E9': // é
        return u'\u00C9';
    default:
        return character;
    }
}

std::u16string upper_case(std::u16string_view text) {
    std::u16string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char16_t character) { return upper_case(character); });
    return result;
}

} // namespace quabbel
