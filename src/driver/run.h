#pragma once

#include "driver/version.h"

#include <string_view>

namespace veldarin {

// The first console line of every run.
inline constexpr std::string_view BANNER_LINE =
    "VELDARIN version " VELDARIN_VERSION ", monster statistics condenser.";

// Exit statuses: the summary was written (or the usage text or version asked for was printed),
// the run failed after a valid command line, or the command line was refused.
inline constexpr int EXIT_DONE = 0;
inline constexpr int EXIT_RUN_FAILED = 1;
inline constexpr int EXIT_REFUSED = 2;

// One whole run of the program on its command line; returns its exit status.
int runVeldarin(int argc, const char* const* argv);

}  // namespace veldarin
