#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_runner.h"

namespace veldarin::testing {
namespace {

const std::string USAGE =
    "Usage: VELDARIN [infile][outfile][/f#][/t#][/c#]\n"
    "Generates summary D&D monster statistics.\n"
    "  infile  - text file with full description (default: \"monster.txt\")\n"
    "             Format is: top line, group name (if any); 1st line, name;\n"
    "               2nd line, type; 3rd line, hit dice; etc.\n"
    "  outfile - text file with summary result   (default: \"summary.txt\")\n"
    "  /f#     - printing format, codes:\n"
    "              1=abbreviated, 2=full desc., 3=spreadsheet form, 4=1&3\n"
    "  /t#     - add template to each monster, codes:\n"
    "              1=celestial, 2=fiendish, 3=advanced, 4=giant, 5=young,\n"
    "              6=entropic, 7=resolute; several joined by commas: /t3,2\n"
    "  /c#     - scale fifth-edition monsters to a challenge rating:\n"
    "              0, 0.125, 0.25, 0.5 or 1-30\n";

const std::string FORMAT_MESSAGE =
    "paramsErrorCheck(): The [/f#] parameter only has valid values of 1-4.\n";
const std::string TEMPLATE_MESSAGE =
    "paramsErrorCheck(): The [/t#] parameter only has valid values of 0-7, each at most once, "
    "joined by commas, with at most one of 1, 2, 6 and 7 and not both 4 and 5.\n";
const std::string SCALE_MESSAGE =
    "paramsErrorCheck(): The [/c#] parameter only has valid values of 0, 0.125, 0.25, 0.5 and "
    "1-30.\n";
const std::string PAUSE =
    "MEMORY REPORT: currently 0 memory block(s) for 0 byte(s).\nPress <Enter> to finish.\n";

TEST(CommandLineTest, ConsoleOutput) {
  const struct {
    std::vector<std::string> args;
    std::string output;
    int status;
  } cases[] = {
      {{"/?"}, USAGE, 0},
      {{"-h"}, USAGE, 0},
      {{"/H"}, USAGE, 0},
      {{"--help"}, USAGE, 0},
      {{"table.txt", "--help"}, USAGE, 0},
      {{"--version"}, "Copyright (c) 2026 The VELDARIN developers, MIT License.\n", 0},
      {{"--HELP"}, "loadFromFile(): unable to open file.\n", 1},
      {{"a.txt", "b.txt", "c.txt"}, USAGE, 2},
      {{"/f0"}, FORMAT_MESSAGE, 2},
      {{"/fx"}, FORMAT_MESSAGE, 2},
      {{"/f"}, FORMAT_MESSAGE, 2},
      {{"/f5"}, FORMAT_MESSAGE, 2},
      {{"/f-1"}, FORMAT_MESSAGE, 2},
      {{"/f4294967297"}, FORMAT_MESSAGE, 2},
      {{"-foo.txt"}, FORMAT_MESSAGE, 2},
      {{"/t8"}, TEMPLATE_MESSAGE, 2},
      {{"/t4,5"}, TEMPLATE_MESSAGE, 2},
      {{"-c0.3"}, SCALE_MESSAGE, 2},
      {{"/t-1"}, TEMPLATE_MESSAGE, 2},
      {{"/f9", "/t9"}, FORMAT_MESSAGE, 2},
      {{"/q", "/?"}, USAGE + PAUSE, 0},
      {{"/?", "/q"}, USAGE, 0},
      {{"/q", "/t8"}, TEMPLATE_MESSAGE + PAUSE, 2},
      {{"/q"}, "loadFromFile(): unable to open file.\n" + PAUSE, 1},
      {{""}, "loadFromFile(): unable to open file.\n", 1},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    const ProgramRun run = runProgram(dir, c.args);
    const std::string label = c.args[0];
    EXPECT_EQ(run.output, nativeLines(BANNER + c.output)) << label;
    EXPECT_EQ(run.errors, "") << label;
    EXPECT_EQ(run.status, c.status) << label;
    EXPECT_FALSE(std::filesystem::exists(dir.file("summary.txt"))) << label;
  }
}

// An argument that begins with "/" and holds another "/" is a path, at either position; on
// Windows the scratch folders' paths begin with a drive letter, which the test covers as well.
TEST(CommandLineTest, AbsolutePathsNameFiles) {
  const ScratchDir current;
  const ScratchDir tables;
  const std::string in = tables.write("in.txt", "G\n\tA\n\tBeast\nHit Dice:\t1d8\n");
  const ProgramRun run = runProgram(current, {in, tables.file("out.txt"), "/f3"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(tables.read("out.txt"),
            nativeLines("G, A\t0\t1d8\t___\t\t0\t\t0\t0\t0\t0\t0\t-5\t-5\t\t...\n"));
  EXPECT_EQ(current.listing(), "");
}

TEST(CommandLineTest, PauseWaitsForOneCharacter) {
  ScratchDir dir;
  const ProgramRun run = runProgram(dir, {"/q", "/?"}, "\nmore input\n");
  EXPECT_EQ(run.output, nativeLines(BANNER + USAGE + PAUSE));
  EXPECT_EQ(run.status, 0);
}

}  // namespace
}  // namespace veldarin::testing
