#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace veldarin {

class LineReader;

// A run of table rows in the plain text, and the line above it that names its group.
struct MarkupTable {
  // Offsets in the plain text: the group name (the nearest non-blank line above that is no
  // row; empty when there is none), then the rows, newlines included.
  std::size_t nameBegin = 0;
  std::size_t nameEnd = 0;
  std::size_t rowsBegin = 0;
  std::size_t rowsEnd = 0;
};

// YAML that a markup file keeps for a statblock: the body of a statblock fence, or the front
// matter. Its indentation is taken off as its first line has it.
struct StatblockText {
  std::string yaml;
  std::size_t firstLine = 1;  // the file's line (from 1) of the YAML's first line
  bool frontMatter = false;
};

// A markup file as its rendered page reads: one line a line, tables as tab-separated rows.
struct MarkupText {
  std::string text;
  std::vector<MarkupTable> tables;
  std::vector<StatblockText> statblocks;
};

// Tells from a file's lines whether it is markup: front matter, fences, Homebrewery blocks,
// bold labels, pipe tables or HTML breaks and tables.
class MarkupDetector {
 public:
  void see(std::string_view line);
  bool found() const { return found_; }

 private:
  bool first_ = true;
  bool previousRow_ = false;
  bool found_ = false;
};

// Reads a markup file from the reader's place to its end into plain lines. False on a read
// error.
bool readMarkup(LineReader& reader, MarkupText& plain);

}  // namespace veldarin
