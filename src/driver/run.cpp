#include "driver/run.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "driver/params.h"
#include "monster/monster.h"
#include "system/allocation.h"
#include "system/console.h"
#include "system/platform.h"

namespace veldarin {

namespace {

// Leaves the monsters of a finished run for the process's end, which takes their memory back at
// once: freeing a bestiary's texts block by block costs more than templating them. A run that
// reports its memory frees them, so that the report shows only what leaked.
void keepUntilExit(std::unique_ptr<MonsterGroup> group) {
  static auto* const kept = new std::unique_ptr<MonsterGroup>();
  *kept = std::move(group);
}

// Load, template and write; each step prints its own failure.
bool summarize(const Params& params) {
  auto group = std::make_unique<MonsterGroup>();
  group->finishOnLoad = *params.templates == 0;
  if (!group->loadFromFile(params.inFile)) return false;
  if (!group->applyTemplates(*params.templates)) return false;
  if (!group->scaleToRating(params.scaleRow)) return false;
  if (!group->printToFile(params.outFile, params.formatCode)) return false;
  printLine("Finished writing monster summary file.");
  if (params.pauseAtEnd != 1) keepUntilExit(std::move(group));
  return true;
}

// Takes the command line and, when it is valid, runs; the exit status of either.
int parseAndRun(Params& params, int argc, const char* const* argv) {
  const std::vector<std::string> arguments = utf8Arguments(argc, argv);
  std::vector<const char*> pointers;
  pointers.reserve(arguments.size());
  for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
  switch (params.parseParams(static_cast<int>(pointers.size()), pointers.data())) {
    case Parse::ANSWERED:
      return EXIT_DONE;
    case Parse::REFUSED:
      return EXIT_REFUSED;
    case Parse::RUN:
      break;
  }
  if (!params.paramsErrorCheck()) return EXIT_REFUSED;
  return summarize(params) ? EXIT_DONE : EXIT_RUN_FAILED;
}

}  // namespace

int runVeldarin(int argc, const char* const* argv) {
  prepareStandardStreams();
  printLine(BANNER_LINE);
  installOutOfMemoryHandler();

  auto params = std::make_unique<Params>();
  const int status = parseAndRun(*params, argc, argv);

  // Both records are gone before the report, so it shows only what a run leaks.
  const bool pauseAtEnd = params->pauseAtEnd == 1;
  params.reset();
  if (pauseAtEnd) {
    memoryReport();
    printLine("Press <Enter> to finish.");
    std::getchar();
  }
  return status;
}

}  // namespace veldarin
