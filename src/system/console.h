#pragma once

#include <string_view>

namespace veldarin {

// Writes the text unchanged and a newline to standard output, and flushes so that nothing is
// lost when the process ends abnormally. Allocates nothing, so the out-of-memory handler may
// use it. Every console line of the program goes through here.
void printLine(std::string_view text);

// Sends every console line (text and newline) to `sink` instead of standard output, or back to
// standard output with nullptr. For front ends that show the console themselves, such as the
// browser page; a sink may allocate, so the out-of-memory report is no longer allocation-free.
void setConsoleSink(void (*sink)(std::string_view line));

}  // namespace veldarin
