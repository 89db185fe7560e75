#include "driver/run.h"

#include <cstdio>
#include <memory>

#include "driver/allocation.h"
#include "driver/console.h"
#include "driver/params.h"
#include "driver/version.h"
#include "monster/monster.h"

namespace veldarin {

namespace {

constexpr const char* BANNER =
    "VELDARIN version " VELDARIN_VERSION ", monster statistics condenser.";

// Load, template and write; the loader and the writer print their own failures.
void summarize(const Params& params) {
  const auto group = std::make_unique<MonsterGroup>();
  if (!group->loadFromFile(params.inFile)) return;
  group->applyTemplate(params.templateCode);
  if (group->printToFile(params.outFile, params.formatCode)) {
    printLine("Finished writing monster summary file.");
  }
}

}  // namespace

int runVeldarin(int argc, const char* const* argv) {
  printLine(BANNER);
  installOutOfMemoryHandler();

  auto params = std::make_unique<Params>();
  if (params->parseParams(argc, argv) && params->paramsErrorCheck()) summarize(*params);

  // Both records are gone before the report, so it shows only what a run leaks.
  const bool pauseAtEnd = params->pauseAtEnd == 1;
  params.reset();
  if (pauseAtEnd) {
    memoryReport();
    printLine("Press <Enter> to finish.");
    std::getchar();
  }
  return 0;
}

}  // namespace veldarin
