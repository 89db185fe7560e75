#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "program_runner.h"

namespace veldarin::testing {
namespace {

std::string sourceFile(const std::string& name) {
  std::ifstream in(std::string(VELDARIN_SOURCE_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The summaries of the shipped examples in every format and template (fifth-edition monsters
// have none; the simple templates on one of each edition), and of two whole bestiaries (twenty
// blocks across the template bands, a table of twelve columns) in every format under one
// template, as the Linux program writes them (tests/golden, named for the switches); on Windows
// the same text with CR LF line ends.
TEST(ExamplesTest, EveryFormatAndTemplateMatchesTheStoredSummary) {
  const std::vector<std::string> alignment{"t0", "t1", "t2"};
  const struct {
    std::string folder, example;
    std::vector<std::string> switches;
    std::string extension = ".txt";
  } inputs[] = {{"examples", "marsh-drakes", {"t0", "t1", "t2", "t4,1"}},
                {"examples", "grey-lurker", alignment},
                {"examples", "bog-hounds", {"t0", "t1", "t2", "t3"}},
                {"examples", "pathfinder-beasts", {"t0", "t1", "t2", "t2,3", "t5", "t7,4"}},
                {"examples", "fifth-edition-beasts", {"t0", "c5"}},
                {"tests/bestiary", "twenty-blocks", {"t1"}},
                {"tests/bestiary", "twelve-columns", {"t2"}},
                {"examples", "homebrew-toad", {"t0"}, ".md"},
                {"examples", "pathfinder-note", {"t0"}, ".md"},
                {"examples", "fen-vermin", {"t0"}, ".md"},
                {"examples", "statblock-note", {"t0"}, ".md"},
                {"examples", "pathfinder-statblock", {"t0"}, ".md"},
                {"examples", "tool-bestiary", {"t0"}, ".json"}};
  for (const auto& [folder, example, switches, extension] : inputs) {
    const std::string table = sourceFile(folder + "/" + example + extension);
    ASSERT_FALSE(table.empty()) << example;
    for (int format = 1; format <= 4; ++format) {
      for (const std::string& option : switches) {
        const std::string variant = "-f" + std::to_string(format) + "-" + option;
        ScratchDir dir;
        dir.write("table.txt", table);
        const ProgramRun run =
            runProgram(dir, {"table.txt", "out.txt", "/f" + std::to_string(format), "/" + option});
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
