#include <gtest/gtest.h>

#include <string>

#include "monster/monster.h"
#include "support/portable.h"
#include "support/scratch_dir.h"

namespace veldarin {
namespace {

using veldarin::testing::ScratchDir;

struct Write {
  Write(MonsterGroup& group, const std::string& path, int format) {
    ::testing::internal::CaptureStdout();
    ok = group.printToFile(path, format);
    output = ::testing::internal::GetCapturedStdout();
  }
  bool ok;
  std::string output;
};

MonsterGroup twoMonsters() {
  MonsterGroup group;
  group.monsters.resize(2);
  group.monsters[0].field(FIELD_NAME) = "A";
  group.monsters[0].field(FIELD_ALIGNMENT) = "Always lawful good";
  group.monsters[0].field(FIELD_SPECIAL_QUALITIES) = "Damage Reduction 5/+1";
  group.monsters[1].field(FIELD_NAME) = "B";
  return group;
}

TEST(PrintToFileTest, BadFormatLeavesTheFileAlone) {
  ScratchDir dir;
  const std::string path = dir.write("summary.txt", "keep\tme\n");
  for (const int format : {0, 5, -1}) {
    MonsterGroup group = twoMonsters();
    const Write write(group, path, format);
    EXPECT_FALSE(write.ok);
    EXPECT_EQ(write.output, "printToFile(): invalid format type.\n");
    EXPECT_EQ(dir.read("summary.txt"), "keep\tme\n");
  }
  MonsterGroup group = twoMonsters();
  const Write write(group, dir.file("new.txt"), 0);
  EXPECT_FALSE(write.ok);
  EXPECT_FALSE(std::filesystem::exists(dir.file("new.txt")));
}

TEST(PrintToFileTest, UnopenablePaths) {
  ScratchDir dir;
  for (const std::string& path :
       {dir.file("missing/summary.txt"), dir.path().string(), std::string()}) {
    MonsterGroup group = twoMonsters();
    const Write write(group, path, 1);
    EXPECT_FALSE(write.ok) << path;
    EXPECT_EQ(write.output, "printToFile(): unable to open file.\n") << path;
  }
}

// Windows has no full device; the writer's file calls show its failed writes instead.
#ifndef _WIN32
TEST(PrintToFileTest, FullDiskIsAnError) {
  for (const int format : {1, 2, 3, 4}) {
    MonsterGroup group = twoMonsters();
    const Write write(group, "/dev/full", format);
    EXPECT_FALSE(write.ok);
    EXPECT_EQ(write.output, "printToFile(): error writing file.\n");
  }
}
#endif

TEST(PrintToFileTest, EmptyGroup) {
  ScratchDir dir;
  const struct {
    int format;
    const char* content;
  } cases[] = {{1, ""}, {2, ""}, {3, ""}, {4, "\n"}};
  for (const auto& c : cases) {
    MonsterGroup group;
    group.clear();
    const Write write(group, dir.file("summary.txt"), c.format);
    EXPECT_TRUE(write.ok);
    EXPECT_EQ(write.output, "");
    EXPECT_EQ(dir.read("summary.txt"), veldarin::testing::nativeLines(c.content));
  }
}

TEST(PrintToFileTest, FormatFourRowsFollowTheParagraphs) {
  ScratchDir dir;
  const std::string path = dir.write("summary.txt", std::string(10000, 'x'));
  MonsterGroup group = twoMonsters();
  ASSERT_TRUE(Write(group, path, 4).ok);
  EXPECT_EQ(dir.read("summary.txt"),
            veldarin::testing::nativeLines("\nA: ; SQ Damage Reduction 5/+1; AL LG.\n\t.\n"
                                           "\nB: ; .\n\t.\n"
                                           "\n"
                                           "A\t0\t\t\t\t0\t\t0\t0\t0\t0\t0\t0\t0\t\tDR 5/+1\n"
                                           "B\t0\t\t\t\t0\t\t0\t0\t0\t0\t0\t0\t0\t\t\n"));
  // The second abbreviation pass emptied the already abbreviated alignment.
  EXPECT_EQ(group.monsters[0].field(FIELD_ALIGNMENT), "");
}

}  // namespace
}  // namespace veldarin
