// Windows only: the paths a Windows user types.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "program_runner.h"

namespace veldarin::testing {
namespace {

namespace fs = std::filesystem;

const std::string TABLE = "Grey Lurker\nMedium Beast\nHit Dice: 3d10+6 (22 hp)\n";

std::string readPath(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(WindowsPathsTest, DriveLettersBackslashesAndSpaces) {
  ScratchDir dir;
  fs::create_directory(dir.path() / "my tables");
  dir.write("my tables\\lurker.txt", TABLE);
  const std::string absolute =
      fs::path(dir.file("my tables\\lurker.txt")).make_preferred().string();
  ASSERT_EQ(absolute[1], ':') << absolute;
  const std::vector<std::string> cases[] = {
      {absolute, "out.txt"},
      {"my tables\\lurker.txt", "my tables\\..\\out.txt"},
      {"my tables\\..\\my tables\\lurker.txt", dir.file("out.txt")},
  };
  for (const auto& args : cases) {
    fs::remove(dir.path() / "out.txt");
    const ProgramRun run = runProgram(dir, args);
    EXPECT_EQ(run.output, nativeLines(BANNER + "Finished writing monster summary file.\n"))
        << args[0];
    EXPECT_TRUE(dir.read("out.txt").starts_with("\r\nGrey Lurker: Medium Beast; HD 3d10+6"))
        << args[0];
  }
}

TEST(WindowsPathsTest, NamesOutsideAscii) {
  ScratchDir dir;
  const fs::path table = dir.path() / fs::path(u8"drachen-\u00fcbersicht.txt");
  std::ofstream(table, std::ios::binary) << TABLE;
  const ProgramRun run = runProgram(dir, {"drachen-\xC3\xBC"
                                          "bersicht.txt",
                                          "zusammenfassung-\xC3\xA4.txt"});
  EXPECT_EQ(run.output, nativeLines(BANNER + "Finished writing monster summary file.\n"));
  EXPECT_TRUE(readPath(dir.path() / fs::path(u8"zusammenfassung-\u00e4.txt"))
                  .starts_with("\r\nGrey Lurker: Medium Beast"));
}

}  // namespace
}  // namespace veldarin::testing
