#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "program_runner.h"

namespace veldarin::testing {
namespace {

std::string sourceFile(const std::string& name) {
  std::ifstream in(std::string(VELDARIN_SOURCE_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The summaries of the shipped examples in every format and template, as the Linux program
// writes them (tests/golden); on Windows the same text with CR LF line ends.
TEST(ExamplesTest, EveryFormatAndTemplateMatchesTheStoredSummary) {
  for (const std::string example :
       {"marsh-drakes", "grey-lurker", "bog-hounds", "pathfinder-beasts"}) {
    const std::string table = sourceFile("examples/" + example + ".txt");
    ASSERT_FALSE(table.empty()) << example;
    for (int format = 1; format <= 4; ++format) {
      for (int templateCode = 0; templateCode <= 2; ++templateCode) {
        const std::string variant =
            "-f" + std::to_string(format) + "-t" + std::to_string(templateCode);
        ScratchDir dir;
        dir.write("table.txt", table);
        const ProgramRun run =
            runProgram(dir, {"table.txt", "out.txt", "/f" + std::to_string(format),
                             "/t" + std::to_string(templateCode)});
        EXPECT_EQ(run.output, nativeLines(BANNER + "Finished writing monster summary file.\n"))
            << example << variant;
        EXPECT_EQ(dir.read("out.txt"),
                  nativeLines(sourceFile("tests/golden/" + example + variant + ".txt")))
            << example << variant;
      }
    }
  }
}

}  // namespace
}  // namespace veldarin::testing
