#pragma once

#include "driver/version.h"

#include <string_view>

namespace veldarin {

// The first console line of every run.
inline constexpr std::string_view BANNER_LINE =
    "VELDARIN version " VELDARIN_VERSION ", monster statistics condenser.";

// One whole run of the program on its command line; the exit status is always 0.
int runVeldarin(int argc, const char* const* argv);

}  // namespace veldarin
