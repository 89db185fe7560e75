#pragma once

#include <string>

namespace veldarin {

// Cuts the text before the first `mark`, together with one space directly before it; a text
// without the mark is unchanged.
inline void cutBeforeFirst(std::string& text, char mark) {
  std::size_t at = text.find(mark);
  if (at == std::string::npos) return;
  if (at > 0 && text[at - 1] == ' ') --at;
  text.resize(at);
}

}  // namespace veldarin
