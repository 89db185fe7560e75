#include "program_runner.h"

#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include <cwchar>
#else
#include <sys/wait.h>
#endif

namespace veldarin::testing {

namespace {

#ifdef _WIN32
// cmd.exe: double quotes around each argument (none of the tests' arguments holds one).
std::string quoted(const std::string& text) {
  return "\"" + text + "\"";
}
#else
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
#endif

// Runs a shell command whose text is UTF-8; its exit status, -1 when it did not exit normally.
int runCommand(const std::string& command) {
#ifdef _WIN32
  // The wide call, so that arguments outside ASCII reach the program whole.
  const std::u8string utf8(command.begin(), command.end());
  const std::wstring wide = std::filesystem::path(utf8).wstring();
  return _wsystem(wide.c_str());
#else
  const int result = std::system(command.c_str());
  return result != -1 && WIFEXITED(result) ? WEXITSTATUS(result) : -1;
#endif
}

}  // namespace

ProgramRun runProgram(const ScratchDir& dir, const std::vector<std::string>& args,
                      const std::string& input, const std::string& redirect) {
  dir.write(".stdin", input);
#ifdef _WIN32
  const std::string program = std::filesystem::path(VELDARIN_PROGRAM).make_preferred().string();
  std::string command = "cd /d " + quoted(dir.path().string()) + " && " + quoted(program);
#else
  std::string command = "cd " + quoted(dir.path().string()) + " && " + quoted(VELDARIN_PROGRAM);
#endif
  for (const std::string& arg : args) command += " " + quoted(arg);
  command += " <.stdin " + redirect + " 2>.stderr";
  ProgramRun run;
  run.status = runCommand(command);
  run.output = dir.read(".stdout");
  run.errors = dir.read(".stderr");
  return run;
}

}  // namespace veldarin::testing
