#pragma once
// Counts calls of the global operator new in the test binary that links
// alloc_counter.cpp, so a test can show that a stretch of code allocates nothing.

#include <cstddef>

namespace alloc_counter {
std::size_t allocations();
}
