#pragma once

#include <string>
#include <string_view>

namespace veldarin {

// Adds an entry to a "; "-separated list; an empty entry adds nothing.
inline void appendEntry(std::string& list, std::string_view entry) {
  if (entry.empty()) return;
  if (!list.empty()) list += "; ";
  list += entry;
}

}  // namespace veldarin
