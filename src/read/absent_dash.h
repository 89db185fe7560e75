#pragma once

#include <string>
#include <string_view>

namespace veldarin {

// Published 3.5 and Pathfinder text writes an absent entry as a lone em dash; the rest of the
// program knows it as "-".
inline void dashAsAbsent(std::string& text) {
  constexpr std::string_view EM_DASH = "\xE2\x80\x94";
  if (text == EM_DASH) text.assign(1, '-');
}

}  // namespace veldarin
