#include "bench/result_table.h"

#include <algorithm>
#include <cstdio>

namespace quabbel::bench {

namespace {

std::string three_digits(double value, const char* unit) {
    char text[32];
    const char* format = value < 10 ? "%.2f %s" : value < 100 ? "%.1f %s" : "%.0f %s";
    std::snprintf(text, sizeof text, format, value, unit);
    return text;
}

// Pads to the width in characters; the texts are UTF-8, and "µ" takes two bytes.
std::string padded(const std::string& text, std::size_t width) {
    const auto characters = static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char byte) { return (byte & 0xC0) != 0x80; }));
    return text + std::string(width > characters ? width - characters : 0, ' ');
}

} // namespace

// bench/run_all.sh prints the header in the same column widths.
void print_row(const Row& row) {
    const char* verdict = row.goal.empty() ? "" : row.met ? "met" : "MISSED";
    std::printf("%s %s %s %s\n", padded(row.what, 44).c_str(), padded(row.figures, 40).c_str(),
                padded(row.goal, 22).c_str(), verdict);
    std::fflush(stdout);
}

std::string microseconds(double value) {
    return three_digits(value, "µs");
}

std::string milliseconds(double value) {
    return three_digits(value, "ms");
}

} // namespace quabbel::bench
