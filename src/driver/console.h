#pragma once

#include <string_view>

namespace veldarin {

// Writes the text unchanged and a newline to standard output, and flushes so that nothing is
// lost when the process ends abnormally. Allocates nothing, so the out-of-memory handler may
// use it. Every console line of the program goes through here.
void printLine(std::string_view text);

}  // namespace veldarin
