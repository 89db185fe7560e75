#include "read/tab_fields.h"

#include <algorithm>

namespace veldarin {

namespace {

bool isSeparatorAt(std::string_view line, std::size_t i) {
  return line[i] == '\t' && (i + 1 == line.size() || line[i + 1] != '\t');
}

std::size_t fieldEnd(std::string_view line, std::size_t start) {
  std::size_t end = start;
  while (end < line.size() && line[end] != '\t' && line[end] != '\n') ++end;
  return end;
}

}  // namespace

std::optional<std::size_t> findField(std::string_view line, std::size_t n) {
  std::size_t pos = 0;
  while (n > 0 && pos < line.size()) {
    if (isSeparatorAt(line, pos)) --n;
    ++pos;
  }
  if (n > 0 || pos >= line.size()) return std::nullopt;
  return pos;
}

std::size_t countFields(std::string_view line) {
  std::size_t count = 1;
  for (std::size_t i = line.find('\t'); i != std::string_view::npos; i = line.find('\t', i + 1)) {
    if (isSeparatorAt(line, i)) ++count;
  }
  return count;
}

void copyField(std::string_view line, std::size_t n, std::string& out) {
  const std::optional<std::size_t> start = findField(line, n);
  if (!start) {
    out.clear();
    return;
  }
  out.assign(line.substr(*start, fieldEnd(line, *start) - *start));
}

std::size_t splitFields(std::string_view line, std::size_t maxFields,
                        std::vector<std::string_view>& out) {
  out.clear();
  std::size_t count = 1;
  std::size_t start = 0;
  bool collecting = maxFields > 0;
  // Only tabs and newlines matter, so the walk jumps from one to the next.
  std::size_t tab = line.find('\t');
  std::size_t newline = line.find('\n');
  while (tab != std::string_view::npos || newline != std::string_view::npos) {
    const std::size_t i = std::min(tab, newline);
    if (collecting) {
      out.push_back(line.substr(start, i - start));
      collecting = false;
    }
    if (i == newline) {
      newline = line.find('\n', i + 1);
      continue;
    }
    if (isSeparatorAt(line, i)) {
      ++count;
      if (count <= maxFields) {
        start = i + 1;
        collecting = true;
      }
    }
    tab = line.find('\t', i + 1);
  }
  if (collecting) out.push_back(line.substr(start));
  return count;
}

}  // namespace veldarin
