#pragma once

#include <initializer_list>
#include <ostream>
#include <string_view>

namespace veldarin {

// Writes the non-empty entries separated by "; ", straight to the stream so that a long
// field is never copied.
inline void writeEntries(std::ostream& out, std::initializer_list<std::string_view> entries) {
  bool first = true;
  for (const std::string_view entry : entries) {
    if (entry.empty()) continue;
    if (!first) out << "; ";
    out << entry;
    first = false;
  }
}

}  // namespace veldarin
