// The browser page's entry: one run on a table in memory, with the console and the summary
// kept for the page instead of printed and written.
#include <emscripten/emscripten.h>

#include <cstddef>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/params.h"
#include "driver/run.h"
#include "monster/monster.h"
#include "system/console.h"

namespace {

std::string consoleText;
std::string summaryText;

void keepLine(std::string_view line) {
  consoleText.append(line).append("\n");
}

}  // namespace

extern "C" {

// Runs the table through load, templates, rating and format as
// `veldarin in.txt out.txt /fF /tT /cC` would (no /c when `rating` is empty); the results stay
// readable through the functions below until the next run.
EMSCRIPTEN_KEEPALIVE void veldarin_summarize(const char* input, std::size_t size, int formatCode,
                                             const char* templates, const char* rating) {
  using namespace veldarin;
  consoleText.clear();
  summaryText.clear();
  // No out-of-memory handler here: its report would go through the sink, which allocates. An
  // unmet request aborts the module and the page says so.
  setConsoleSink(keepLine);
  printLine(BANNER_LINE);
  // The switches go through the command line's own reading, so the page refuses what it does.
  const std::string format = "/f" + std::to_string(formatCode);
  const std::string templateSwitch = std::string("/t") + templates;
  const std::string ratingSwitch = std::string("/c") + rating;
  std::vector<const char*> arguments{"veldarin", format.c_str(), templateSwitch.c_str()};
  if (*rating != '\0') arguments.push_back(ratingSwitch.c_str());
  Params params;
  if (params.parseParams(static_cast<int>(arguments.size()), arguments.data()) != Parse::RUN ||
      !params.codesErrorCheck()) {
    return;
  }
  const auto group = std::make_unique<MonsterGroup>();
  group->finishOnLoad = *params.templates == 0;
  if (!group->loadFromText(std::string_view(input, size))) return;
  if (!group->applyTemplates(*params.templates)) return;
  if (!group->scaleToRating(params.scaleRow)) return;
  std::ostringstream summary;
  group->writeSummary(summary, params.formatCode);
  summaryText = summary.str();
  printLine("Finished writing monster summary file.");
}

EMSCRIPTEN_KEEPALIVE const char* veldarin_summary() {
  return summaryText.data();
}
EMSCRIPTEN_KEEPALIVE std::size_t veldarin_summary_size() {
  return summaryText.size();
}
EMSCRIPTEN_KEEPALIVE const char* veldarin_console() {
  return consoleText.data();
}
EMSCRIPTEN_KEEPALIVE std::size_t veldarin_console_size() {
  return consoleText.size();
}

}  // extern "C"
