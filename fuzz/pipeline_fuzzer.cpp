// libFuzzer target: the fuzzer's bytes become an input table that goes through the whole run,
// load, every template and every format, into a scratch summary file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "monster/monster.h"

namespace {

std::string scratchPath(const char* name) {
  return "/tmp/veldarin-fuzz-" + std::to_string(getpid()) + "-" + name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string input = scratchPath("input.txt");
  static const std::string output = scratchPath("summary.txt");
  {
    std::ofstream file(input, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  for (int templateCode = 0; templateCode <= 2; ++templateCode) {
    veldarin::MonsterGroup group;
    if (!group.loadFromFile(input)) return 0;
    group.applyTemplate(templateCode);
    for (int formatCode = 1; formatCode <= 4; ++formatCode) group.printToFile(output, formatCode);
  }
  return 0;
}
