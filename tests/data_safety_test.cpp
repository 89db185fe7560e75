#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "program_runner.h"
#include "support/windows_text.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace veldarin::testing {
namespace {

const std::string TABLE =
    "Cave Lizards\n"
    "\tLesser\tGreater\n"
    "\tMedium Animal\tLarge Animal\n"
    "Hit Dice:\t2d8+4 (13 hp)\t9d8+18 (58 hp)\n"
    "Attacks:\tBite +3 melee\tBite +9 melee\n"
    "Damage:\tBite 1d6+1\tBite 2d6+4\n"
    "Special Qualities:\tScent\tScent, low-light vision\n"
    "Challenge Rating:\t1/2\t4\n";

const std::string FINISHED = "Finished writing monster summary file.\n";

std::string expectedSummary() {
  ScratchDir dir;
  dir.write("t.txt", TABLE);
  runProgram(dir, {"t.txt", "out.txt", "/f4"});
  return dir.read("out.txt");
}

TEST(DataSafetyTest, TableIsNeverItsOwnSummary) {
  const std::string message = "paramsErrorCheck(): The infile and outfile are the same file.\n";
  const std::vector<std::string> cases[] = {
      {"t.txt", "t.txt"},
      {"./t.txt", "t.txt"},
      {"summary.txt"},
      {"t.txt", "x/../t.txt"},
  };
  for (const auto& args : cases) {
    ScratchDir dir;
    dir.write("t.txt", TABLE);
    dir.write("summary.txt", TABLE);
    std::filesystem::create_directory(dir.file("x"));
    const ProgramRun run = runProgram(dir, args);
    EXPECT_EQ(run.output, nativeLines(BANNER + message)) << args.back();
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_EQ(dir.read("t.txt"), TABLE) << args.back();
    EXPECT_EQ(dir.read("summary.txt"), TABLE) << args.back();
  }
}

TEST(DataSafetyTest, MarkedAndUtf16TablesGiveTheSameSummary) {
  for (const std::string& table : {"\xEF\xBB\xBF" + TABLE, unicodeFile(TABLE)}) {
    ScratchDir dir;
    dir.write("t.txt", table);
    const ProgramRun run = runProgram(dir, {"t.txt", "out.txt", "/f4"});
    EXPECT_EQ(run.output, nativeLines(BANNER + FINISHED));
    EXPECT_EQ(dir.read("out.txt"), expectedSummary());
  }
}

TEST(DataSafetyTest, FailedWriteKeepsTheOldSummary) {
  ScratchDir dir;
  dir.write("t.txt", TABLE);
  dir.write("out.txt", "edited by hand\n");
  // A bad format is refused before the file is touched; a good run replaces it whole.
  runProgram(dir, {"t.txt", "out.txt", "/f7"});
  EXPECT_EQ(dir.read("out.txt"), "edited by hand\n");
  runProgram(dir, {"t.txt", "out.txt", "/f4"});
  EXPECT_EQ(dir.read("out.txt"), expectedSummary());
  EXPECT_EQ(dir.listing(), "out.txt t.txt ");
}

// Templates without rules for a file's monsters fail the run before the summary is touched.
TEST(DataSafetyTest, RefusedTemplateKeepsTheOldSummary) {
  const struct {
    const char* table;
    const char* templates;
    const char* message;
  } cases[] = {
      {"Imp\nTiny fiend\nAC 13\nHP 10 (3d4 + 3)\nSTR 6\n", "/t1",
       "applyTemplate(): templates need 3rd-edition or Pathfinder monsters.\n"},
      {"Imp\nTiny fiend\nAC 13\nHP 10 (3d4 + 3)\nSTR 6\n", "/t3",
       "applyTemplate(): templates need 3rd-edition or Pathfinder monsters.\n"},
      {"Name: Imp\nHit Dice: 3d8\n", "/t6,3",
       "applyTemplate(): entropic and resolute templates need Pathfinder monsters.\n"},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    dir.write("t.txt", c.table);
    dir.write("out.txt", "edited by hand\n");
    const ProgramRun run = runProgram(dir, {"t.txt", "out.txt", c.templates});
    EXPECT_EQ(run.output, nativeLines(BANNER + c.message)) << c.templates;
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(dir.read("out.txt"), "edited by hand\n");
  }
}

#ifndef _WIN32
// A file-size limit (ulimit -f, in KB) stops the write part way: the old summary stays.
TEST(DataSafetyTest, WriteStoppedPartWayKeepsTheOldSummary) {
  std::string table = "Horde\n\tA\n\tBeast\nSpecial Qualities:\t";
  table += std::string(4000, 'q') + "\n";
  ScratchDir dir;
  dir.write("t.txt", table);
  dir.write("out.txt", "edited by hand\n");
  const std::string command = "cd '" + dir.path().string() + "' && ulimit -f 2 && '" +
                              VELDARIN_PROGRAM + "' t.txt out.txt /f2 >.stdout 2>.stderr";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
  EXPECT_EQ(dir.read(".stdout"), BANNER + "printToFile(): error writing file.\n");
  EXPECT_EQ(dir.read("out.txt"), "edited by hand\n");
  EXPECT_EQ(dir.listing(), "out.txt t.txt ");
}

TEST(DataSafetyTest, LostConsoleNeverStopsTheRun) {
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  close(pipeEnds[0]);  // nobody will ever read: every console write fails
  const struct {
    const char* name;
    std::string redirect;
  } cases[] = {
      {"closed pipe", ">&" + std::to_string(pipeEnds[1])},
      {"closed standard output", ">&-"},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    dir.write("t.txt", TABLE);
    const ProgramRun run = runProgram(dir, {"t.txt", "out.txt", "/f4", "/q"}, "", c.redirect);
    EXPECT_EQ(run.status, 0) << c.name;
    EXPECT_EQ(dir.read("out.txt"), expectedSummary()) << c.name;
    EXPECT_EQ(dir.listing(), "out.txt t.txt ") << c.name;
  }
  close(pipeEnds[1]);
}
#endif

}  // namespace
}  // namespace veldarin::testing
