// libFuzzer target: the fuzzer's bytes become an input table that goes through the whole run,
// load, every template and every format, into a scratch summary file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "monster/monster.h"

namespace {

// Memory-backed when the system has it: every input is written once and read many times.
std::string scratchPath(const char* name) {
  std::error_code error;
  const std::string folder = std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : "/tmp";
  return folder + "/veldarin-fuzz-" + std::to_string(getpid()) + "-" + name;
}

// Removes the scratch files when the fuzzer exits.
struct ScratchFiles {
  std::string input = scratchPath("input.txt");
  std::string output = scratchPath("summary.txt");
  ~ScratchFiles() {
    std::error_code error;
    std::filesystem::remove(input, error);
    std::filesystem::remove(output, error);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFiles files;
  const std::string& input = files.input;
  const std::string& output = files.output;
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
