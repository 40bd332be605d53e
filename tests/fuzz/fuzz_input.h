#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// How the fuzz targets read their input: a sequence of UTF-16 code units, little-endian, two
// bytes each (an odd last byte is dropped). Every code unit may occur, lone surrogates and NUL
// included.
inline std::u16string code_units(const std::uint8_t* data, std::size_t size) {
    std::u16string units(size / 2, u'\0');
    for (std::size_t index = 0; index < units.size(); ++index) {
        units[index] = static_cast<char16_t>(data[2 * index] | data[2 * index + 1] << 8);
    }
    return units;
}

// Splits code units into Count box texts. The first Count - 1 units give the lengths of boxes 1
// to Count - 1, each cut to what is left; the last box takes the rest.
template <std::size_t Count>
std::array<std::u16string, Count> box_texts(std::u16string_view units) {
    std::array<std::u16string, Count> boxes;
    const std::size_t lengths_end = std::min(units.size(), Count - 1);
    std::u16string_view rest = units.substr(lengths_end);
    for (std::size_t box = 0; box + 1 < Count; ++box) {
        const std::size_t length = box < lengths_end ? units[box] : 0;
        boxes[box] = rest.substr(0, length);
        rest.remove_prefix(std::min(length, rest.size()));
    }
    boxes[Count - 1] = rest;
    return boxes;
}
