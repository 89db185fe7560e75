// The browser page's entry: one run on a table in memory, with the console and the summary
// kept for the page instead of printed and written.
#include <emscripten/emscripten.h>

#include <cstddef>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

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

// Runs the table through load, template and format as `veldarin in.txt out.txt /fF /tT` would;
// the results stay readable through the functions below until the next run.
EMSCRIPTEN_KEEPALIVE void veldarin_summarize(const char* input, std::size_t size, int formatCode,
                                             int templateCode) {
  using namespace veldarin;
  consoleText.clear();
  summaryText.clear();
  // No out-of-memory handler here: its report would go through the sink, which allocates. An
  // unmet request aborts the module and the page says so.
  setConsoleSink(keepLine);
  printLine(BANNER_LINE);
  Params params;
  params.formatCode = formatCode;
  params.templateCode = templateCode;
  if (!params.codesErrorCheck()) return;
  const auto group = std::make_unique<MonsterGroup>();
  if (!group->loadFromText(std::string_view(input, size))) return;
  if (!group->applyTemplate(templateCode)) return;
  std::ostringstream summary;
  group->writeSummary(summary, formatCode);
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
