#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "program_runner.h"

namespace veldarin::testing {
namespace {

const std::string FINISHED = "Finished writing monster summary file.\n";
const std::string PAUSE =
    "MEMORY REPORT: currently 0 memory block(s) for 0 byte(s).\nPress <Enter> to finish.\n";

struct Outcome {
  ProgramRun run;
  std::string summary;
  bool written;
};

// Every run pauses at the end, so the report shows that nothing was left behind.
Outcome runOn(const std::string& table, const std::string& format = "/f1") {
  ScratchDir dir;
  dir.write("monster.txt", table);
  Outcome outcome{runProgram(dir, {"monster.txt", "summary.txt", format, "/q"}), "", false};
  outcome.written = std::filesystem::exists(dir.file("summary.txt"));
  outcome.summary = dir.read("summary.txt");
  EXPECT_EQ(outcome.run.status, outcome.written ? 0 : 1);
  EXPECT_EQ(outcome.run.errors, "");
  return outcome;
}

TEST(HostileInputTest, FilesThatHoldNoMonster) {
  const struct {
    const char* name;
    std::string table;
    std::string message;
  } cases[] = {
      {"empty file", "", "loadFromFile(): found no data.\n"},
      {"only tabs", "\t\t\t\t", ""},
      {"only carriage returns", "\r\r\r\r", ""},
      {"one long line", std::string(20'000'000, 'x'), ""},
      {"JSON nested half a million deep",
       [] {
         std::string nested;
         for (int i = 0; i < 500'000; ++i) nested += "[{\"a\":";
         return nested;
       }(),
       "loadFromFile(): cannot read the JSON on line 1: nesting deeper than 64 levels\n"},
      {"JSON of a million keys",
       "{" +
           [] {
             std::string keys;
             for (int i = 0; i < 1'000'000; ++i) keys += "\"k" + std::to_string(i) + "\": 1, ";
             return keys;
           }() +
           "\"k\": 1}",
       "loadFromFile(): found no data.\n"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = runOn(c.table);
    EXPECT_EQ(outcome.run.output, nativeLines(BANNER + c.message + PAUSE)) << c.name;
    EXPECT_FALSE(outcome.written) << c.name;
  }
}

TEST(HostileInputTest, OnlyNewlinesMakeOneEmptyMonster) {
  const Outcome outcome = runOn(std::string(1000, '\n'));
  EXPECT_EQ(outcome.run.output, nativeLines(BANNER + FINISHED + PAUSE));
  EXPECT_EQ(outcome.summary, nativeLines("\n: ; hp ___; Atks ....\n\t.\n"));
}

TEST(HostileInputTest, BinaryBytesPassThroughUnchanged) {
  using namespace std::string_literals;
  const Outcome outcome = runOn("Na\0me\xff\n\xfe\x80 Type\0\nFeats: \0\x01\x7f\xc3\xa9\n"s, "/f2");
  EXPECT_EQ(outcome.run.output, nativeLines(BANNER + FINISHED + PAUSE));
  EXPECT_TRUE(outcome.summary.starts_with(nativeLines("\nNa\0me\xff\n\xfe\x80 Type\0\n"s)));
  EXPECT_NE(outcome.summary.find(nativeLines("\nFeats: \0\x01\x7f\xc3\xa9\n"s)), std::string::npos);
}

TEST(HostileInputTest, TwentyMegabyteRowIsWrittenWhole) {
  const std::string qualities = std::string(20'000'000, 'q') + " end";
  const Outcome outcome =
      runOn("G\n\tA\tB\n\tBeast\tBeast\nSpecial Qualities:\t" + qualities + "\tscent\n", "/f3");
  EXPECT_EQ(outcome.run.output, nativeLines(BANNER + FINISHED + PAUSE));
  EXPECT_NE(outcome.summary.find(nativeLines("\t\t...; " + qualities + "\n")), std::string::npos);
  EXPECT_NE(outcome.summary.find(nativeLines("\t\t...; scent\n")), std::string::npos);
}

TEST(HostileInputTest, MillionContinuationLines) {
  std::string table = "Lurker\nBeast\nFeats: a\n";
  for (int i = 0; i < 1'000'000; ++i) table += "b\n";
  const Outcome outcome = runOn(table, "/f2");
  EXPECT_EQ(outcome.run.output, nativeLines(BANNER + FINISHED + PAUSE));
  std::string feats = "a";
  for (int i = 0; i < 1'000'000; ++i) feats += " b";
  EXPECT_NE(outcome.summary.find(nativeLines("\nFeats: " + feats + "\n")), std::string::npos);
}

TEST(HostileInputTest, FiftyColumnsAreAllRead) {
  std::string table = "Horde";
  for (const char* label : {"", "", "Hit Dice:"}) {
    table += '\n';
    table += label;
    for (int i = 1; i <= 50; ++i) table += "\t" + std::to_string(i);
  }
  const Outcome outcome = runOn(table + "\n", "/f3");
  EXPECT_EQ(outcome.run.output, nativeLines(BANNER + FINISHED + PAUSE));
  EXPECT_EQ(std::count(outcome.summary.begin(), outcome.summary.end(), '\n'), 50);
  EXPECT_TRUE(outcome.summary.ends_with(
      nativeLines("Horde, 50\t0\t50\t___\t\t0\t\t0\t0\t0\t0\t0\t-5\t-5\t\t...\n")));
}

// 20,000 columns, then 20,000 short rows each marked by a blank line: a row already marked is
// not marked again, so the summary stays the size of the table, not of columns times rows.
TEST(HostileInputTest, WideTableOfMarkedShortRows) {
  std::string table = "G\n";
  for (int line = 0; line < 2; ++line) {
    for (int i = 0; i < 20'000; ++i) table += "\tm";
    table += '\n';
  }
  for (int i = 0; i < 20'000; ++i) table += "Feats\n\n";
  const Outcome outcome = runOn(table, "/f2");
  EXPECT_EQ(outcome.run.output, nativeLines(BANNER + FINISHED + PAUSE));
  EXPECT_NE(outcome.summary.find(nativeLines("\nFeats: ... \n")), std::string::npos);
  EXPECT_LT(outcome.summary.size(), 20'000u * 400);
}

}  // namespace
}  // namespace veldarin::testing
