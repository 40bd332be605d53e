#pragma once

#include <string>

// The rows that "make bench" prints: what was measured, the figures, the goal and whether it
// was met. Every benchmark program writes its rows to standard output in this one format.
namespace quabbel::bench {

struct Row {
    std::string what;
    std::string figures;
    std::string goal; // empty where a row is given for comparison only
    bool met = true;
};

void print_row(const Row& row);

// "12.3 µs", "1.85 ms": three significant digits.
std::string microseconds(double value);
std::string milliseconds(double value);

} // namespace quabbel::bench
