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

// Runs the program on the input in every format under the template and compares each summary
// with the stored one (tests/golden, as the Linux program writes it; on Windows the same text
// with CR LF line ends).
void expectStoredSummaries(const std::string& input, const std::string& name, int templateCode) {
  const std::string table = sourceFile(input);
  ASSERT_FALSE(table.empty()) << input;
  for (int format = 1; format <= 4; ++format) {
    const std::string variant = "-f" + std::to_string(format) + "-t" + std::to_string(templateCode);
    ScratchDir dir;
    dir.write("table.txt", table);
    const ProgramRun run = runProgram(dir, {"table.txt", "out.txt", "/f" + std::to_string(format),
                                            "/t" + std::to_string(templateCode)});
    EXPECT_EQ(run.output, nativeLines(BANNER + "Finished writing monster summary file.\n"))
        << name << variant;
    EXPECT_EQ(dir.read("out.txt"),
              nativeLines(sourceFile("tests/golden/" + name + variant + ".txt")))
        << name << variant;
  }
}

TEST(ExamplesTest, EveryFormatAndTemplateMatchesTheStoredSummary) {
  for (const std::string example :
       {"marsh-drakes", "grey-lurker", "bog-hounds", "pathfinder-beasts"}) {
    for (int templateCode = 0; templateCode <= 2; ++templateCode) {
      expectStoredSummaries("examples/" + example + ".txt", example, templateCode);
    }
  }
}

// Twenty blocks across the template bands, and a table of twelve columns: every monster, in
// file order.
TEST(ExamplesTest, WholeBestiariesMatchTheStoredSummaries) {
  expectStoredSummaries("tests/bestiary/twenty-blocks.txt", "twenty-blocks", 1);
  expectStoredSummaries("tests/bestiary/twelve-columns.txt", "twelve-columns", 2);
}

}  // namespace
}  // namespace veldarin::testing
