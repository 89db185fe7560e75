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

// The summaries of the shipped examples in every format and template (fifth-edition monsters
// have none), and of two whole
// bestiaries (twenty blocks across the template bands, a table of twelve columns) in every format
// under one template, as the Linux program writes them (tests/golden); on Windows the same text
// with CR LF line ends.
TEST(ExamplesTest, EveryFormatAndTemplateMatchesTheStoredSummary) {
  const struct {
    std::string folder, example;
    int firstTemplate, lastTemplate;
    std::string extension = ".txt";
  } inputs[] = {{"examples", "marsh-drakes", 0, 2},
                {"examples", "grey-lurker", 0, 2},
                {"examples", "bog-hounds", 0, 2},
                {"examples", "pathfinder-beasts", 0, 2},
                {"examples", "fifth-edition-beasts", 0, 0},
                {"tests/bestiary", "twenty-blocks", 1, 1},
                {"tests/bestiary", "twelve-columns", 2, 2},
                {"examples", "homebrew-toad", 0, 0, ".md"},
                {"examples", "pathfinder-note", 0, 0, ".md"},
                {"examples", "fen-vermin", 0, 0, ".md"},
                {"examples", "statblock-note", 0, 0, ".md"},
                {"examples", "pathfinder-statblock", 0, 0, ".md"}};
  for (const auto& [folder, example, firstTemplate, lastTemplate, extension] : inputs) {
    const std::string table = sourceFile(folder + "/" + example + extension);
    ASSERT_FALSE(table.empty()) << example;
    for (int format = 1; format <= 4; ++format) {
      for (int templateCode = firstTemplate; templateCode <= lastTemplate; ++templateCode) {
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
