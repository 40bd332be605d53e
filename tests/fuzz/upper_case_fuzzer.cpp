// The upper-casing rule on any UTF-16 text: the length stays, exactly the letters a-z, ä, ö, ü
// and é become their capitals, every other code unit stays, and a second pass changes nothing.

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "tables/upper_case.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::u16string_view lower_case_letters = u"abcdefghijklmnopqrstuvwxyzäöüé";
constexpr std::u16string_view their_capitals = u"ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜÉ";

char16_t capital_of(char16_t character) {
    const std::size_t found = lower_case_letters.find(character);
    return found == std::u16string_view::npos ? character : their_capitals[found];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = code_units(data, size);
    const std::u16string once = quabbel::upper_case(text);
    fuzz_check(once.size() == text.size(), "the length stays");
    for (std::size_t index = 0; index < text.size(); ++index) {
        fuzz_check(once[index] == capital_of(text[index]), "only the stated letters change");
        fuzz_check(quabbel::upper_case(text[index]) == once[index],
                   "a character alone changes as within a text");
    }
    fuzz_check(quabbel::upper_case(once) == once, "a second pass changes nothing");
    return 0;
}
