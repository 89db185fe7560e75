#include "system/allocation.h"

#include <gtest/gtest.h>

#include "support/portable.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <sstream>
#include <string>
#include <vector>

namespace veldarin {
namespace {

TEST(AllocationTest, AssortedSizesReturnToTheStart) {
  std::vector<void*> held;
  held.reserve(12);
  const std::uint64_t blocks = blockCount();
  const std::uint64_t bytes = byteCount();
  for (const std::size_t size : {1u, 3u, 17u, 100u, 4095u, 65537u}) {
    held.push_back(::operator new(size));
    held.push_back(::operator new[](size + 1));
  }
  EXPECT_EQ(blockCount(), blocks + 12);
  EXPECT_EQ(byteCount(), bytes + std::uint64_t{2} * (1 + 3 + 17 + 100 + 4095 + 65537) + 6);
  for (std::size_t i = 0; i < held.size(); i += 2) {
    ::operator delete(held[i]);
    ::operator delete[](held[i + 1]);
  }
  EXPECT_EQ(blockCount(), blocks);
  EXPECT_EQ(byteCount(), bytes);
}

TEST(AllocationTest, ZeroBytesCountOneBlock) {
  const std::uint64_t blocks = blockCount();
  const std::uint64_t bytes = byteCount();
  void* block = ::operator new(0);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(blockCount(), blocks + 1);
  EXPECT_EQ(byteCount(), bytes);
  ::operator delete(block);
  EXPECT_EQ(blockCount(), blocks);
}

TEST(AllocationTest, NullReleaseChangesNothing) {
  const std::uint64_t blocks = blockCount();
  const std::uint64_t bytes = byteCount();
  ::operator delete(nullptr);
  ::operator delete[](nullptr);
  EXPECT_EQ(blockCount(), blocks);
  EXPECT_EQ(byteCount(), bytes);
}

TEST(AllocationTest, AlignedBlocksAreAlignedAndCounted) {
  const std::uint64_t blocks = blockCount();
  for (const std::size_t alignment : {16u, 64u, 4096u}) {
    void* block = ::operator new(40, std::align_val_t(alignment));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignment, 0u);
    EXPECT_EQ(blockCount(), blocks + 1);
    ::operator delete(block, std::align_val_t(alignment));
  }
  EXPECT_EQ(blockCount(), blocks);
}

TEST(AllocationTest, UnmetRequestWithoutHandlerThrows) {
  const std::uint64_t blocks = blockCount();
  const std::size_t huge = SIZE_MAX / 2;
  EXPECT_THROW(static_cast<void>(::operator new(huge)), std::bad_alloc);
  EXPECT_EQ(::operator new(huge, std::nothrow), nullptr);
  EXPECT_EQ(blockCount(), blocks);
}

TEST(AllocationDeathTest, UnmetRequestReportsAndAborts) {
  const std::size_t huge = SIZE_MAX / 2;
  using veldarin::testing::DIGITS;
  const std::string message = "OUT OF MEMORY: Attempt to allocate " + std::to_string(huge) +
                              " byte\\(s\\) failed!" + veldarin::testing::LINE_END +
                              "MEMORY REPORT: currently " + DIGITS + " memory block\\(s\\) for " +
                              DIGITS + " byte\\(s\\)\\.";
  EXPECT_DEATH(
      {
        veldarin::testing::standardOutputToError();
        installOutOfMemoryHandler();
        static_cast<void>(::operator new(huge));
      },
      message);
}

// The child notes the counts it expects, then fails a 37-byte request; both go to a file that
// the parent reads once the child has died. The file's name is fixed because on Windows the
// child runs the test from its start, with a scratch folder of its own.
TEST(AllocationDeathTest, ReportCountsTheFailedRequest) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "veldarin-report-counts.txt").string();
  EXPECT_DEATH(
      {
        std::freopen(path.c_str(), "w", stdout);
        installOutOfMemoryHandler();
        std::printf("%llu %llu\n", static_cast<unsigned long long>(blockCount() + 1),
                    static_cast<unsigned long long>(byteCount() + 37));
        failAllocationNumber(allocationNumber() + 1);
        static_cast<void>(::operator new(37));
      },
      "");
  std::string text;
  {
    std::ifstream file(path);  // text mode: Windows line ends read as "\n"
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  std::filesystem::remove(path);
  std::istringstream console(text);
  std::string blocks, bytes, failure, report;
  console >> blocks >> bytes;
  console.ignore();
  std::getline(console, failure);
  std::getline(console, report);
  EXPECT_EQ(failure, "OUT OF MEMORY: Attempt to allocate 37 byte(s) failed!");
  EXPECT_EQ(report,
            "MEMORY REPORT: currently " + blocks + " memory block(s) for " + bytes + " byte(s).");
}

TEST(MemoryReportTest, Format) {
  ::testing::internal::CaptureStdout();
  memoryReport();
  const std::string line = ::testing::internal::GetCapturedStdout();
  EXPECT_TRUE(line.starts_with("MEMORY REPORT: currently ")) << line;
  EXPECT_TRUE(line.ends_with(" byte(s).\n")) << line;
}

}  // namespace
}  // namespace veldarin
