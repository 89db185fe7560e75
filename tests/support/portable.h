#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>

#include <csignal>
#endif

// What tests expect differently on POSIX and on Windows.
namespace veldarin::testing {

// A text as the program writes it to a text-mode file or console: on Windows every "\n" is
// "\r\n".
inline std::string nativeLines(std::string_view text) {
#ifdef _WIN32
  std::string native;
  for (const char c : text) {
    if (c == '\n') native += '\r';
    native += c;
  }
  return native;
#else
  return std::string(text);
#endif
}

// How abort() ends a death test's child: SIGABRT on POSIX, exit code 3 on Windows.
inline auto abortedExit() {
#ifdef _WIN32
  return ::testing::ExitedWithCode(3);
#else
  return ::testing::KilledBySignal(SIGABRT);
#endif
}

// Death-test patterns: one or more digits (Windows has only GoogleTest's simple expressions),
// and a line end of either kind.
#ifdef _WIN32
inline constexpr const char* DIGITS = "\\d+";
#else
inline constexpr const char* DIGITS = "[0-9]+";
#endif
inline constexpr const char* LINE_END = "\r?\n";

// Death tests read standard error, so a child sends its standard output there.
inline void standardOutputToError() {
  std::fflush(stdout);
#ifdef _WIN32
  _dup2(_fileno(stderr), _fileno(stdout));
#else
  dup2(STDERR_FILENO, STDOUT_FILENO);
#endif
}

}  // namespace veldarin::testing
