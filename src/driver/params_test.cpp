#include "driver/params.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "support/scratch_dir.h"

namespace veldarin {
namespace {

struct Parsed {
  explicit Parsed(std::vector<const char*> args) {
    args.insert(args.begin(), "veldarin");
    ::testing::internal::CaptureStdout();
    parse = params.parseParams(static_cast<int>(args.size()), args.data());
    ok = parse == Parse::RUN;
    valid = ok && params.paramsErrorCheck();
    output = ::testing::internal::GetCapturedStdout();
  }
  Params params;
  Parse parse;
  bool ok;
  bool valid;
  std::string output;
};

TEST(ParseParamsTest, SwitchesAndPositions) {
  const struct {
    std::vector<const char*> args;
    const char* inFile;
    const char* outFile;
    int format, templates, pause;  // templates: the set, or -1 for a refused list
  } cases[] = {
      {{}, "monster.txt", "summary.txt", 1, 0, 0},
      {{"/F3"}, "monster.txt", "summary.txt", 3, 0, 0},
      {{"-f3"}, "monster.txt", "summary.txt", 3, 0, 0},
      {{"/f2abc", "/T1"}, "monster.txt", "summary.txt", 2, 2, 0},
      {{"-t1", "/q"}, "monster.txt", "summary.txt", 1, 2, 1},
      {{"/Qxyz"}, "monster.txt", "summary.txt", 1, 0, 1},
      {{"/f", "/t"}, "monster.txt", "summary.txt", 0, -1, 0},
      {{"/fx", "/tx"}, "monster.txt", "summary.txt", 0, -1, 0},
      {{"/f 2", "/t+2"}, "monster.txt", "summary.txt", 2, -1, 0},
      {{"/t3,2", "-T03"}, "monster.txt", "summary.txt", 1, 8, 0},
      {{"-t2,3,4"}, "monster.txt", "summary.txt", 1, 4 + 8 + 16, 0},
      {{"/f4294967297"}, "monster.txt", "summary.txt", INT_MAX, 0, 0},
      {{"/f-4294967297"}, "monster.txt", "summary.txt", INT_MIN, 0, 0},
      {{"/f2", "/f3"}, "monster.txt", "summary.txt", 3, 0, 0},
      {{"/x", "/z9", "/", "-"}, "monster.txt", "summary.txt", 1, 0, 0},
      {{"in.txt", "out.txt"}, "in.txt", "out.txt", 1, 0, 0},
      {{"/f2", "in.txt"}, "monster.txt", "in.txt", 2, 0, 0},
      {{"-foo.txt"}, "monster.txt", "summary.txt", 0, 0, 0},
      {{""}, "", "summary.txt", 1, 0, 0},
      {{"/tmp/y/in.txt", "/tmp/y/out.txt", "/f3"}, "/tmp/y/in.txt", "/tmp/y/out.txt", 3, 0, 0},
      {{"/home/me/tables/giants.txt"}, "/home/me/tables/giants.txt", "summary.txt", 1, 0, 0},
      {{"/f2/x.txt", "//"}, "/f2/x.txt", "//", 1, 0, 0},
      {{"/f2", "/tmp/out.txt"}, "monster.txt", "/tmp/out.txt", 2, 0, 0},
      {{"/giants.txt", "-f/x"}, "monster.txt", "summary.txt", 0, 0, 0},
  };
  for (const auto& c : cases) {
    const Parsed parsed(c.args);
    const std::string label = c.args.empty() ? "(none)" : c.args[0];
    EXPECT_TRUE(parsed.ok) << label;
    EXPECT_EQ(parsed.params.inFile, c.inFile) << label;
    EXPECT_EQ(parsed.params.outFile, c.outFile) << label;
    EXPECT_EQ(parsed.params.formatCode, c.format) << label;
    EXPECT_EQ(parsed.params.templates ? static_cast<int>(*parsed.params.templates) : -1,
              c.templates)
        << label;
    EXPECT_EQ(parsed.params.pauseAtEnd, c.pause) << label;
  }
}

TEST(ParseParamsTest, UsageStopsTheParse) {
  for (const std::vector<const char*>& args : std::vector<std::vector<const char*>>{
           {"/?"}, {"-h"}, {"/H"}, {"a", "b", "c"}, {"/?", "/q"}, {"/a/b", "/c/d", "/e/f"}}) {
    const Parsed parsed(args);
    EXPECT_EQ(parsed.parse, args.size() == 3 ? Parse::REFUSED : Parse::ANSWERED);
    EXPECT_TRUE(parsed.output.starts_with("Usage: VELDARIN [infile][outfile][/f#][/t#][/c#]\n"));
    EXPECT_EQ(parsed.params.pauseAtEnd, 0);
  }
  EXPECT_EQ(Parsed({"/q", "/?"}).params.pauseAtEnd, 1);
}

TEST(ParamsErrorCheckTest, RangeMessages) {
  const char* const formatMessage =
      "paramsErrorCheck(): The [/f#] parameter only has valid values of 1-4.\n";
  const char* const templateMessage =
      "paramsErrorCheck(): The [/t#] parameter only has valid values of 0-7, each at most once, "
      "joined by commas, with at most one of 1, 2, 6 and 7 and not both 4 and 5.\n";
  const char* const scaleMessage =
      "paramsErrorCheck(): The [/c#] parameter only has valid values of 0, 0.125, 0.25, 0.5 and "
      "1-30.\n";
  const struct {
    std::vector<const char*> args;
    bool valid;
    const char* output;
  } cases[] = {
      {{"/f0"}, false, formatMessage},
      {{"/f5"}, false, formatMessage},
      {{"/f-1"}, false, formatMessage},
      {{"/f9", "/t9"}, false, formatMessage},
      {{"/t8"}, false, templateMessage},
      {{"/t-1"}, false, templateMessage},
      {{"/t"}, false, templateMessage},
      {{"/t3,"}, false, templateMessage},
      {{"/t,3"}, false, templateMessage},
      {{"/t3,,2"}, false, templateMessage},
      {{"/t3x"}, false, templateMessage},
      {{"/t0,3"}, false, templateMessage},
      {{"/t3,3"}, false, templateMessage},
      {{"/c"}, false, scaleMessage},
      {{"/c31"}, false, scaleMessage},
      {{"/c05"}, false, scaleMessage},
      {{"/c0.5", "/c2x"}, false, scaleMessage},
      {{"/c2x", "/C.125"}, true, ""},
      {{"/t9", "/c9x"}, false, templateMessage},
      {{"/t4,5"}, false, templateMessage},
      {{"/t1,2"}, false, templateMessage},
      {{"/t6,7"}, false, templateMessage},
      {{"/t2,6"}, false, templateMessage},
      {{"/t99999999999"}, false, templateMessage},
      {{"/f4", "/t2"}, true, ""},
      {{"/f1", "/t0"}, true, ""},
      {{"/t7,3,5"}, true, ""},
      {{"/t1,4,3"}, true, ""},
  };
  for (const auto& c : cases) {
    const Parsed parsed(c.args);
    EXPECT_EQ(parsed.valid, c.valid) << c.args[0];
    EXPECT_EQ(parsed.output, c.output) << c.args[0];
  }
}

TEST(ParamsErrorCheckTest, SameFileIsRefused) {
  const veldarin::testing::ScratchDir dir;
  const std::string table = dir.write("t.txt", "G\n");
  const std::string other = dir.write("other.txt", "G\n");
  std::filesystem::create_hard_link(table, dir.file("hard.txt"));
#ifndef _WIN32
  std::filesystem::create_symlink("t.txt", dir.file("soft.txt"));
#endif
  const char* const message = "paramsErrorCheck(): The infile and outfile are the same file.\n";
  const struct {
    std::string inFile;
    std::string outFile;
    const char* output;
  } cases[] = {
      {table, table, message},
      {table, dir.file("./t.txt"), message},
      {dir.file("hard.txt"), table, message},
#ifndef _WIN32
      {table, dir.file("soft.txt"), message},
#endif
      {table, other, ""},
      {table, dir.file("missing.txt"), ""},
      {dir.file("missing.txt"), dir.file("missing.txt"), ""},
  };
  for (const auto& c : cases) {
    Params params;
    params.inFile = c.inFile;
    params.outFile = c.outFile;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(params.paramsErrorCheck(), *c.output == '\0') << c.outFile;
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), c.output) << c.outFile;
  }
}

}  // namespace
}  // namespace veldarin
