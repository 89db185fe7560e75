#pragma once

namespace veldarin {

// One whole run of the program on its command line; the exit status is always 0.
int runVeldarin(int argc, const char* const* argv);

}  // namespace veldarin
