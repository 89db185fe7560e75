#pragma once

#include <cstddef>
#include <string_view>

namespace veldarin {

// The marks that open a markup line, taken off in the order a line is read.

// Leading spaces and tabs, then `>` quote marks, each with one optional space after it.
inline std::string_view withoutQuoteMarks(std::string_view line) {
  std::size_t at = line.find_first_not_of(" \t");
  if (at == std::string_view::npos) return {};
  while (at < line.size() && line[at] == '>') {
    ++at;
    if (at < line.size() && line[at] == ' ') ++at;
  }
  return line.substr(at);
}

// A heading's one to six `#` marks and the space after them, with a closing run of `#` at the
// line's end.
inline std::string_view withoutHeadingMarks(std::string_view line) {
  std::size_t marks = 0;
  while (marks < line.size() && line[marks] == '#') ++marks;
  if (marks == 0 || marks > 6 || marks == line.size() || line[marks] != ' ') return line;
  line.remove_prefix(marks + 1);
  const std::size_t last = line.find_last_not_of(' ');
  if (last == std::string_view::npos) return {};
  std::size_t size = last + 1;
  std::size_t closing = size;
  while (closing > 0 && line[closing - 1] == '#') --closing;
  if (closing < size && (closing == 0 || line[closing - 1] == ' ')) size = closing;
  return line.substr(0, size);
}

// One list bullet: "- ", "* " or "+ ".
inline std::string_view withoutBullet(std::string_view line) {
  if (line.size() >= 2 && line[1] == ' ' && (line[0] == '-' || line[0] == '*' || line[0] == '+')) {
    return line.substr(2);
  }
  return line;
}

// A fence's opening or closing line: three or more backticks or tildes.
inline std::size_t fenceMarks(std::string_view line) {
  if (line.empty() || (line[0] != '`' && line[0] != '~')) return 0;
  const std::size_t run = line.find_first_not_of(line[0]);
  const std::size_t marks = run == std::string_view::npos ? line.size() : run;
  return marks >= 3 ? marks : 0;
}

}  // namespace veldarin
