#include "system/console.h"

#include <cstdio>

namespace veldarin {

namespace {

void (*consoleSink)(std::string_view line) = nullptr;

}  // namespace

void setConsoleSink(void (*sink)(std::string_view line)) {
  consoleSink = sink;
}

void printLine(std::string_view text) {
  if (consoleSink != nullptr) {
    consoleSink(text);
    return;
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace veldarin
