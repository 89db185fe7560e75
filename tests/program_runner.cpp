#include "program_runner.h"

#include <sys/wait.h>

#include <cstdlib>

namespace veldarin::testing {

namespace {

std::string quoted(const std::string& text) {
  std::string result = "'";
  for (const char c : text) {
    if (c == '\'') {
      result += "'\\''";
    } else {
      result += c;
    }
  }
  return result + "'";
}

}  // namespace

ProgramRun runProgram(const ScratchDir& dir, const std::vector<std::string>& args,
                      const std::string& input, const std::string& redirect) {
  dir.write(".stdin", input);
  std::string command = "cd " + quoted(dir.path().string()) + " && " + quoted(VELDARIN_PROGRAM);
  for (const std::string& arg : args) command += " " + quoted(arg);
  command += " <.stdin " + redirect + " 2>.stderr";
  const int result = std::system(command.c_str());
  ProgramRun run;
  run.output = dir.read(".stdout");
  run.errors = dir.read(".stderr");
  if (result != -1 && WIFEXITED(result)) run.status = WEXITSTATUS(result);
  return run;
}

}  // namespace veldarin::testing
