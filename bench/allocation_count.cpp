#include "bench/allocation_count.h"

#include <cstdlib>
#include <new>

namespace {

std::size_t allocation_calls = 0;

} // namespace

std::size_t quabbel::bench::allocations() {
    return allocation_calls;
}

// The standard library builds the array and nothrow forms on these; the aligned
// forms, which nothing measured here uses, are not counted.
void* operator new(std::size_t size) {
    ++allocation_calls;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t /*size*/) noexcept {
    std::free(memory);
}
