#pragma once

#include <string>
#include <vector>

#include "driver/run.h"
#include "support/portable.h"
#include "support/scratch_dir.h"

namespace veldarin::testing {

struct ProgramRun {
  std::string output;  // everything the program wrote to standard output
  std::string errors;  // standard error, which the program never writes
  int status = -1;     // exit status, -1 when it did not exit normally
};

// Runs the built program in `dir` with the arguments and the given standard input. Standard
// output goes to `output` unless another shell redirection of it is given (">&-" closes it).
ProgramRun runProgram(const ScratchDir& dir, const std::vector<std::string>& args,
                      const std::string& input = "", const std::string& redirect = ">.stdout");

// The banner line the program prints first.
inline const std::string BANNER = std::string(BANNER_LINE) + "\n";

}  // namespace veldarin::testing
