#include "output/summary_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "monster/monster.h"
#include "support/scratch_dir.h"

namespace veldarin {
namespace {

namespace fs = std::filesystem;
using veldarin::testing::ScratchDir;

const char* const OLD = "old summary, edited by hand\n";

// The write that fails, counted from 1; 0 for none. The count of writes so far.
int failingWrite = 0;
int writes = 0;

std::size_t countedWrite(const char* data, std::size_t size, std::FILE* file) {
  if (++writes == failingWrite) return 0;
  return std::fwrite(data, 1, size, file);
}
int failedClose(std::FILE* file) {
  std::fclose(file);
  return EOF;
}
bool failedReplace(const fs::path&, const fs::path&) {
  return false;
}
std::FILE* noNewFiles(const fs::path&) {
  return nullptr;
}

struct Outcome {
  bool ok;
  std::string output;
};

Outcome write(const std::string& path, const FileCalls& calls) {
  MonsterGroup group;
  group.monsters.resize(2);
  group.monsters[0].field(FIELD_NAME) = "A";
  group.monsters[1].field(FIELD_SPECIAL_QUALITIES) = "Scent";
  writes = 0;
  ::testing::internal::CaptureStdout();
  const bool ok = group.printToFile(path, 4, calls);
  return {ok, ::testing::internal::GetCapturedStdout()};
}

TEST(SummaryFileTest, EveryFailureLeavesTheOldFileUnchanged) {
  const FileCalls& system = systemFileCalls();
  const FileCalls counting{system.create, countedWrite, system.close, system.replace};
  ScratchDir dir;
  const std::string path = dir.write("summary.txt", OLD);
  failingWrite = 0;
  ASSERT_TRUE(write(dir.file("count.txt"), counting).ok);
  const int total = writes;
  ASSERT_GT(total, 10);
  fs::remove(dir.file("count.txt"));

  for (failingWrite = 1; failingWrite <= total; ++failingWrite) {
    const Outcome outcome = write(path, counting);
    EXPECT_FALSE(outcome.ok) << "write " << failingWrite;
    EXPECT_EQ(outcome.output, "printToFile(): error writing file.\n");
    EXPECT_EQ(dir.read("summary.txt"), OLD) << "write " << failingWrite;
    EXPECT_EQ(dir.listing(), "summary.txt ") << "write " << failingWrite;
  }
  failingWrite = 0;
  const FileCalls others[] = {
      {system.create, system.write, failedClose, system.replace},
      {system.create, system.write, system.close, failedReplace},
  };
  for (const FileCalls& calls : others) {
    const Outcome outcome = write(path, calls);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.output, "printToFile(): error writing file.\n");
    EXPECT_EQ(dir.read("summary.txt"), OLD);
    EXPECT_EQ(dir.listing(), "summary.txt ");
  }
}

TEST(SummaryFileTest, FolderWithoutRoomForNewFiles) {
  const FileCalls& system = systemFileCalls();
  const FileCalls calls{noNewFiles, system.write, system.close, system.replace};
  ScratchDir dir;
  const std::string path = dir.write("summary.txt", OLD);
  // The file itself is writable, so it is written in place.
  EXPECT_EQ(write(path, calls).output, "");
  EXPECT_NE(dir.read("summary.txt"), OLD);
  // Nothing to write in place: the folder is as good as missing.
  EXPECT_EQ(write(dir.file("new.txt"), calls).output, "printToFile(): unable to open file.\n");
  EXPECT_EQ(dir.listing(), "summary.txt ");
}

#ifndef _WIN32
TEST(SummaryFileTest, PermissionsAndLinksAreKept) {
  ScratchDir dir;
  const std::string path = dir.write("summary.txt", OLD);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("summary.txt", dir.file("link.txt"));
  ASSERT_TRUE(write(dir.file("link.txt"), systemFileCalls()).ok);
  EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
  EXPECT_NE(dir.read("summary.txt"), OLD);
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(dir.listing().size(), std::string("link.txt summary.txt ").size());
}

TEST(SummaryFileTest, DeviceBehindALinkIsWrittenInPlace) {
  ScratchDir dir;
  fs::create_symlink("/dev/full", dir.file("full.txt"));
  const Outcome outcome = write(dir.file("full.txt"), systemFileCalls());
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.output, "printToFile(): error writing file.\n");
  EXPECT_EQ(dir.listing(), "full.txt ");
}
#endif

}  // namespace
}  // namespace veldarin
