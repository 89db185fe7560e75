#include "system/allocation.h"

#include <charconv>
#include <cstdlib>
#include <new>
#include <string_view>

#include "system/console.h"

namespace veldarin {

namespace {

std::uint64_t blocks = 0;
std::uint64_t bytes = 0;
bool handlerInstalled = false;
void (*outOfMemoryCleanup)() = nullptr;

#ifdef VELDARIN_ALLOCATION_SEAM
std::uint64_t allocations = 0;
std::uint64_t failingAllocation = 0;
#endif

// Stands right before every block handed out, so a release knows what to uncount.
struct alignas(alignof(std::max_align_t)) BlockHeader {
  std::size_t size;
  void* raw;
};

void* heapBlock(std::size_t size, std::size_t alignment) {
#ifdef VELDARIN_ALLOCATION_SEAM
  if (++allocations == failingAllocation) return nullptr;
#endif
  if (size > SIZE_MAX - alignment - sizeof(BlockHeader)) return nullptr;
  void* raw = std::malloc(size + alignment + sizeof(BlockHeader));
  if (raw == nullptr) return nullptr;
  char* block = static_cast<char*>(raw) + sizeof(BlockHeader);
  const std::size_t misalignment = reinterpret_cast<std::uintptr_t>(block) % alignment;
  if (misalignment != 0) block += alignment - misalignment;
  auto* header = reinterpret_cast<BlockHeader*>(block) - 1;
  header->size = size;
  header->raw = raw;
  return block;
}

// Counts the request before asking the heap, so a failed one shows in the report.
void* countedAllocate(std::size_t size, std::size_t alignment, bool mayReturnNull) {
  ++blocks;
  bytes += size;
  if (alignment < alignof(BlockHeader)) alignment = alignof(BlockHeader);
  void* block = heapBlock(size, alignment);
  if (block != nullptr) return block;
  if (handlerInstalled) outOfMemoryHandler(size);
  --blocks;
  bytes -= size;
  if (mayReturnNull) return nullptr;
  throw std::bad_alloc();
}

void countedRelease(void* block) {
  if (block == nullptr) return;
  auto* header = static_cast<BlockHeader*>(block) - 1;
  --blocks;
  bytes -= header->size;
  std::free(header->raw);
}

std::string_view decimal(std::uint64_t value, char (&digits)[24]) {
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return std::string_view(digits, static_cast<std::size_t>(result.ptr - digits));
}

// Joins the pieces of a console line without touching the heap.
class FixedLine {
 public:
  FixedLine& operator<<(std::string_view piece) {
    for (const char c : piece) {
      if (length_ < sizeof text_) text_[length_++] = c;
    }
    return *this;
  }
  std::string_view text() const { return std::string_view(text_, length_); }

 private:
  char text_[160];
  std::size_t length_ = 0;
};

}  // namespace

std::uint64_t blockCount() {
  return blocks;
}
std::uint64_t byteCount() {
  return bytes;
}

void memoryReport() {
  char blockDigits[24];
  char byteDigits[24];
  FixedLine line;
  line << "MEMORY REPORT: currently " << decimal(blocks, blockDigits) << " memory block(s) for "
       << decimal(bytes, byteDigits) << " byte(s).";
  printLine(line.text());
}

void outOfMemoryHandler(std::size_t size) {
  char sizeDigits[24];
  FixedLine line;
  line << "OUT OF MEMORY: Attempt to allocate " << decimal(size, sizeDigits) << " byte(s) failed!";
  printLine(line.text());
  memoryReport();
  if (outOfMemoryCleanup != nullptr) outOfMemoryCleanup();
  std::abort();
}

void setOutOfMemoryCleanup(void (*cleanup)()) {
  outOfMemoryCleanup = cleanup;
}

void installOutOfMemoryHandler() {
  handlerInstalled = true;
}

#ifdef VELDARIN_ALLOCATION_SEAM
std::uint64_t allocationNumber() {
  return allocations;
}
void failAllocationNumber(std::uint64_t n) {
  failingAllocation = n;
}
#endif

}  // namespace veldarin

using veldarin::countedAllocate;
using veldarin::countedRelease;

void* operator new(std::size_t size) {
  return countedAllocate(size, 0, false);
}
void* operator new[](std::size_t size) {
  return countedAllocate(size, 0, false);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return countedAllocate(size, 0, true);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return countedAllocate(size, 0, true);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  return countedAllocate(size, static_cast<std::size_t>(alignment), false);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return countedAllocate(size, static_cast<std::size_t>(alignment), false);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return countedAllocate(size, static_cast<std::size_t>(alignment), true);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return countedAllocate(size, static_cast<std::size_t>(alignment), true);
}

void operator delete(void* block) noexcept {
  countedRelease(block);
}
void operator delete[](void* block) noexcept {
  countedRelease(block);
}
void operator delete(void* block, std::size_t) noexcept {
  countedRelease(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  countedRelease(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  countedRelease(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  countedRelease(block);
}
void operator delete(void* block, std::align_val_t) noexcept {
  countedRelease(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
  countedRelease(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
  countedRelease(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
  countedRelease(block);
}
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  countedRelease(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  countedRelease(block);
}
