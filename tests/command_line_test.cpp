#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_runner.h"

namespace veldarin::testing {
namespace {

const std::string USAGE =
    "Usage: VELDARIN [infile][outfile][/f#][/t#]\n"
    "Generates summary D&D monster statistics.\n"
    "  infile  - text file with full description (default: \"monster.txt\")\n"
    "             Format is: top line, group name (if any); 1st line, name;\n"
    "               2nd line, type; 3rd line, hit dice; etc.\n"
    "  outfile - text file with summary result   (default: \"summary.txt\")\n"
    "  /f#     - printing format, codes:\n"
    "              1=abbreviated, 2=full desc., 3=spreadsheet form, 4=1&3\n"
    "  /t#     - add template to each monster, codes:\n"
    "              1=celestial, 2=fiendish\n";

const std::string FORMAT_MESSAGE =
    "paramsErrorCheck(): The [/f#] parameter only has valid values of 1-4.\n";
const std::string TEMPLATE_MESSAGE =
    "paramsErrorCheck(): The [/t#] parameter only has valid values of 0-2.\n";
const std::string PAUSE =
    "MEMORY REPORT: currently 0 memory block(s) for 0 byte(s).\nPress <Enter> to finish.\n";

TEST(CommandLineTest, ConsoleOutput) {
  const struct {
    std::vector<std::string> args;
    std::string output;
  } cases[] = {
      {{"/?"}, USAGE},
      {{"-h"}, USAGE},
      {{"/H"}, USAGE},
      {{"--help"}, USAGE},
      {{"table.txt", "--help"}, USAGE},
      {{"--version"}, "Copyright (c) 2026 The VELDARIN developers, MIT License.\n"},
      {{"--HELP"}, "loadFromFile(): unable to open file.\n"},
      {{"a.txt", "b.txt", "c.txt"}, USAGE},
      {{"/f0"}, FORMAT_MESSAGE},
      {{"/fx"}, FORMAT_MESSAGE},
      {{"/f"}, FORMAT_MESSAGE},
      {{"/f5"}, FORMAT_MESSAGE},
      {{"/f-1"}, FORMAT_MESSAGE},
      {{"/f4294967297"}, FORMAT_MESSAGE},
      {{"-foo.txt"}, FORMAT_MESSAGE},
      {{"/t3"}, TEMPLATE_MESSAGE},
      {{"/t-1"}, TEMPLATE_MESSAGE},
      {{"/f9", "/t9"}, FORMAT_MESSAGE},
      {{"/q", "/?"}, USAGE + PAUSE},
      {{"/?", "/q"}, USAGE},
      {{"/q", "/t7"}, TEMPLATE_MESSAGE + PAUSE},
      {{"/q"}, "loadFromFile(): unable to open file.\n" + PAUSE},
      {{""}, "loadFromFile(): unable to open file.\n"},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    const ProgramRun run = runProgram(dir, c.args);
    const std::string label = c.args[0];
    EXPECT_EQ(run.output, nativeLines(BANNER + c.output)) << label;
    EXPECT_EQ(run.errors, "") << label;
    EXPECT_EQ(run.status, 0) << label;
    EXPECT_FALSE(std::filesystem::exists(dir.file("summary.txt"))) << label;
  }
}

TEST(CommandLineTest, PauseWaitsForOneCharacter) {
  ScratchDir dir;
  const ProgramRun run = runProgram(dir, {"/q", "/?"}, "\nmore input\n");
  EXPECT_EQ(run.output, nativeLines(BANNER + USAGE + PAUSE));
  EXPECT_EQ(run.status, 0);
}

}  // namespace
}  // namespace veldarin::testing
