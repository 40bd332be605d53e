#include "word_order.h"

#include "tables/upper_case.h"

#include <string>
#include <vector>

namespace {

struct Letter {
    char16_t base; // the capital without its accent
    bool accented; // Ä, Ö, Ü or É
};

Letter letter_of(char16_t character) {
    switch (const char16_t capital = quabbel::upper_case(character)) {
    case u'Ä':
        return {u'A', true};
    case u'Ö':
        return {u'O', true};
    case u'Ü':
        return {u'U', true};
    case u'É':
        return {u'E', true};
    default:
        return {capital, false};
    }
}

} // namespace

bool precedes_in_two_letter_order(std::u16string_view a, std::u16string_view b) {
    // Each letter weighs twice its base, plus one for the umlaut: A < Ä < B, O < Ö < P.
    const auto weights = [](std::u16string_view word) {
        std::vector<int> result;
        for (const char16_t character : word) {
            const Letter letter = letter_of(character);
            result.push_back(2 * letter.base + (letter.accented ? 1 : 0));
        }
        return result;
    };
    return weights(a) < weights(b);
}

bool precedes_in_longer_order(std::u16string_view a, std::u16string_view b) {
    const auto bases = [](std::u16string_view word) {
        std::u16string result;
        for (const char16_t character : word) {
            result.push_back(letter_of(character).base);
        }
        return result;
    };
    const auto accents = [](std::u16string_view word) {
        std::vector<bool> result;
        for (const char16_t character : word) {
            result.push_back(letter_of(character).accented);
        }
        return result;
    };
    if (bases(a) != bases(b)) {
        return bases(a) < bases(b);
    }
    return accents(a) < accents(b);
}
