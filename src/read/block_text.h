#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "monster/ascii.h"

namespace veldarin {

// Line and word helpers that the stat-block readers share.

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (toUpperAscii(a[i]) != toUpperAscii(b[i])) return false;
  }
  return true;
}

inline bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The word begins the line and is followed by one of `followers` or by the line's end.
inline bool beginsWithWord(std::string_view line, std::string_view word,
                           std::string_view followers = " ") {
  return line.starts_with(word) && (line.size() == word.size() ||
                                    followers.find(line[word.size()]) != std::string_view::npos);
}

inline std::string_view withoutLeading(std::string_view text, std::string_view characters) {
  const std::size_t first = text.find_first_not_of(characters);
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

inline std::string_view withoutTrailing(std::string_view text, std::string_view characters) {
  const std::size_t last = text.find_last_not_of(characters);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// A line less its newline and trailing spaces.
inline std::string_view trimmed(std::string_view line) {
  if (line.ends_with('\n')) line.remove_suffix(1);
  return withoutTrailing(line, " ");
}

// The line with its tabs read as spaces, less its newline and trailing spaces. A line without
// tabs is returned as a view of itself; `buffer` holds the copy of one with tabs.
inline std::string_view spacedLine(std::string_view line, std::string& buffer) {
  if (line.find('\t') == std::string_view::npos) return trimmed(line);
  buffer.assign(line);
  for (char& c : buffer) {
    if (c == '\t') c = ' ';
  }
  return trimmed(buffer);
}

inline std::string lowerCased(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = toLowerAscii(c);
  return lower;
}

// Calls `visit` with each part of the text between separators ("; " unless another is given).
template <typename Visit>
void forEachPart(std::string_view text, Visit visit, std::string_view separator = "; ") {
  while (true) {
    const std::size_t end = text.find(separator);
    visit(text.substr(0, end));
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + separator.size());
  }
}

// A hit-points entry "H (D)...": the points before " (", and the dice inside the parentheses
// (to the end when they are not closed). Without " (" the whole text is the points.
struct HitPointsEntry {
  std::string_view points;
  std::string_view dice;
  bool hasDice = false;
  std::size_t afterDice = std::string_view::npos;  // just past the ")", when there is one
};

inline HitPointsEntry hitPointsEntry(std::string_view text) {
  HitPointsEntry entry;
  const std::size_t open = text.find(" (");
  entry.points = text.substr(0, open);
  if (open == std::string_view::npos) return entry;
  entry.hasDice = true;
  const std::size_t close = text.find(')', open);
  entry.dice = text.substr(
      open + 2, close == std::string_view::npos ? std::string_view::npos : close - open - 2);
  if (close != std::string_view::npos) entry.afterDice = close + 1;
  return entry;
}

}  // namespace veldarin
