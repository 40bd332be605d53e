#pragma once

#include <cstddef>

// Counts the calls of the global operator new in this program, so that a benchmark can report
// how often the code it measures allocates.
namespace quabbel::bench {

std::size_t allocations();

} // namespace quabbel::bench
