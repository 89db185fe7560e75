#pragma once

#include <cstddef>
#include <cstdint>

namespace veldarin {

// Every global operator new and delete of the program goes through a counting pair; these are
// the blocks and requested bytes currently held.
std::uint64_t blockCount();
std::uint64_t byteCount();

// Prints "MEMORY REPORT: currently B memory block(s) for N byte(s)."; allocates nothing.
void memoryReport();

// Prints the failed request's size and the memory report, then aborts.
[[noreturn]] void outOfMemoryHandler(std::size_t size);

// Called by outOfMemoryHandler after its report and before the abort, to remove a half-written
// file; must not allocate. One at a time: a later call replaces the earlier.
void setOutOfMemoryCleanup(void (*cleanup)());

// From here on a request the heap cannot meet goes to outOfMemoryHandler. Before it, such a
// request throws std::bad_alloc (or yields null from the nothrow forms) as usual.
void installOutOfMemoryHandler();

#ifdef VELDARIN_ALLOCATION_SEAM
// Test builds only: the number of allocations so far, and a way to make allocation number n
// (counted from 1, 0 for none) fail as if the heap were exhausted.
std::uint64_t allocationNumber();
void failAllocationNumber(std::uint64_t n);
#endif

}  // namespace veldarin
