#include "read/markup/markup_text.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "monster/ascii.h"
#include "read/block_text.h"
#include "read/line_reader.h"
#include "read/markup/inline_text.h"
#include "read/markup/line_marks.h"

namespace veldarin {

namespace {

constexpr auto PAGE_COMMANDS = std::to_array<std::string_view>(
    {"\\page", "\\column", "\\columnbreak", "\\pagebreak", "\\pagebreakNum"});

// "**Armor Class** 17" and "_**Bite.**_", not "** See below".
bool boldLabel(std::string_view text) {
  std::size_t open = 0;
  if (text.starts_with("**") || text.starts_with("__")) {
    open = 2;
  } else if (text.starts_with("_**")) {
    open = 3;
  }
  if (open == 0 || open >= text.size()) return false;
  const char next = text[open];
  if (next == ' ' || next == '*' || next == '_') return false;
  return text.find("**", open) != std::string_view::npos ||
         text.find("__", open) != std::string_view::npos;
}

bool holdsTableTag(std::string_view line) {
  for (std::size_t at = line.find('<'); at != std::string_view::npos; at = line.find('<', at + 1)) {
    const std::string_view rest = line.substr(at + 1);
    if (startsWithIgnoringCase(rest, "br") || startsWithIgnoringCase(rest, "table") ||
        startsWithIgnoringCase(rest, "td")) {
      return true;
    }
  }
  return false;
}

// Three or more of one of "_", "-", "*", spaces allowed between them.
bool isRule(std::string_view text) {
  if (text.empty() || (text[0] != '_' && text[0] != '-' && text[0] != '*')) return false;
  std::size_t marks = 0;
  for (const char c : text) {
    if (c == text[0]) {
      ++marks;
    } else if (c != ' ' && c != '\t') {
      return false;
    }
  }
  return marks >= 3;
}

bool onlyOf(std::string_view text, std::string_view characters) {
  return text.find_first_not_of(characters) == std::string_view::npos;
}

// Gathers the plain lines: text lines one cell, table rows their cells.
class PlainLines : public InlineSink {
 public:
  explicit PlainLines(MarkupText& plain) : plain_(plain) {}

  void put(std::string_view text) override { cells_.back().append(text); }
  void lineBreak() override {
    if (row_) {
      put(" ");
    } else {
      endLine();
    }
  }
  void rowStart() override {
    endLine();
    row_ = htmlRow_ = true;
    firstCell_ = true;
  }
  void cell() override {
    if (!row_) rowStart();
    if (firstCell_) {
      firstCell_ = false;
    } else {
      cells_.emplace_back();
    }
  }
  void rowEnd() override {
    if (htmlRow_) endLine();
  }

  // A pipe row's cells come one by one.
  void pipeCell() {
    if (!row_) {
      row_ = true;
      return;
    }
    cells_.emplace_back();
  }

  // The end of a source line; an HTML row goes on over the next.
  void endSourceLine() {
    if (!htmlRow_) endLine();
  }

  void blankLine() {
    if (htmlRow_) return;
    endLine();
    emit("", false);
  }

  bool inHtmlRow() const { return htmlRow_; }

 private:
  void endLine();
  void emit(std::string_view line, bool row);

  MarkupText& plain_;
  std::vector<std::string> cells_{std::string()};
  bool row_ = false;
  bool htmlRow_ = false;
  bool firstCell_ = false;
  bool inTable_ = false;
  std::size_t nameBegin_ = 0;
  std::size_t nameEnd_ = 0;
};

// Finishes the line: a text line cleaned and kept when something is left; a row's cells
// cleaned, "--" read as a dash, empty cells at its end dropped, and the row kept unless it is
// empty or a separator.
void PlainLines::endLine() {
  if (!row_) {
    const std::string line = cleanedLine(cells_.front());
    if (!line.empty()) emit(line, false);
  } else {
    std::vector<std::string> cells;
    cells.reserve(cells_.size());
    bool separator = true;
    for (const std::string& raw : cells_) {
      std::string cell = cleanedLine(raw);
      separator = separator && onlyOf(cell, "-: ");
      if (cell == "--") cell = "\xE2\x80\x94";
      cells.push_back(std::move(cell));
    }
    while (!cells.empty() && cells.back().empty()) cells.pop_back();
    if (!cells.empty() && !separator) {
      std::string row;
      for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) row += '\t';
        row += cells[i];
      }
      emit(row, true);
    }
  }
  cells_.assign(1, std::string());
  row_ = htmlRow_ = false;
}

void PlainLines::emit(std::string_view line, bool row) {
  std::string& text = plain_.text;
  if (row) {
    if (!inTable_) {
      plain_.tables.push_back({nameBegin_, nameEnd_, text.size(), text.size()});
      inTable_ = true;
    }
    text.append(line).append("\n");
    plain_.tables.back().rowsEnd = text.size();
    return;
  }
  inTable_ = false;
  if (!line.empty()) {
    nameBegin_ = text.size();
    nameEnd_ = nameBegin_ + line.size();
  }
  text.append(line).append("\n");
}

// Reads the source lines one by one: front matter, fences, block and page commands, rules and
// the like dropped whole, the rest read by its marks and inline rules.
class MarkupReader {
 public:
  explicit MarkupReader(MarkupText& plain) : plain_(plain), lines_(plain) {}
  void take(std::string_view line);
  void finish() { lines_.endSourceLine(); }

 private:
  bool fenceLine(std::string_view line, std::string_view text);
  void openStatblock(bool frontMatter);
  void statblockLine(std::string_view line);
  void row(std::string_view text);
  void inlineLine(std::string_view text) {
    readInline(text, lines_);
    lines_.endSourceLine();
  }

  MarkupText& plain_;
  PlainLines lines_;
  std::size_t lineNumber_ = 0;
  bool firstLine_ = true;
  bool frontMatter_ = false;
  // The open fence: its mark and how many, what its info word asks.
  char fence_ = '\0';
  std::size_t fenceMarks_ = 0;
  bool dropBody_ = false;
  bool titleLine_ = false;  // an admonition's first body line may be its title
  bool quotedFence_ = false;
  std::size_t statblockIndent_ = 0;
  bool indentKnown_ = false;
};

void MarkupReader::openStatblock(bool frontMatter) {
  plain_.statblocks.push_back({{}, lineNumber_ + 1, frontMatter});
  indentKnown_ = false;
}

// A YAML line, less the indentation of the first line that is not blank.
void MarkupReader::statblockLine(std::string_view line) {
  const std::size_t indent = std::min(line.find_first_not_of(" \t"), line.size());
  if (!indentKnown_ && indent < line.size()) {
    indentKnown_ = true;
    statblockIndent_ = indent;
  }
  line.remove_prefix(std::min(indent, statblockIndent_));
  plain_.statblocks.back().yaml.append(line).append("\n");
}

void MarkupReader::take(std::string_view line) {
  ++lineNumber_;
  const std::string_view whole = withoutTrailing(withoutLeading(line, " \t"), " \t");
  if (firstLine_) {
    firstLine_ = false;
    if (whole == "---") {
      frontMatter_ = true;
      openStatblock(true);
      return;
    }
  }
  if (frontMatter_) {
    if (whole == "---" || whole == "...") {
      frontMatter_ = false;
    } else {
      statblockLine(line);
    }
    return;
  }
  std::string_view text = withoutTrailing(withoutQuoteMarks(line), " \t");
  if (fence_ != '\0' && fenceLine(line, text)) return;
  if (text.empty()) {
    lines_.blankLine();
    return;
  }
  if (lines_.inHtmlRow()) {
    inlineLine(text);
    return;
  }
  if (isRule(text)) return;
  text = withoutBullet(withoutHeadingMarks(text));
  if (const std::size_t marks = fenceMarks(text); marks > 0) {
    if (fence_ == '\0') {
      fence_ = text[0];
      fenceMarks_ = marks;
      const std::string_view info = withoutLeading(text.substr(marks), " ");
      dropBody_ =
          info.starts_with("statblock") && (info.size() == 9 || info[9] == ' ' || info[9] == '\t');
      titleLine_ = info.starts_with("ad-");
      quotedFence_ = withoutLeading(line, " \t").starts_with('>');
      if (dropBody_) openStatblock(false);
    }
    return;
  }
  if ((text.starts_with("{{") && text.find("}}") == std::string_view::npos) || text == "}}" ||
      text.starts_with("[!") || text.starts_with("%%") || onlyOf(text, ":")) {
    return;
  }
  for (const std::string_view command : PAGE_COMMANDS) {
    if (text == command) return;
  }
  if (text.starts_with('|')) {
    row(text);
    return;
  }
  inlineLine(text);
}

// A line inside a fence: true when it closes the fence or is a body line not to read (a
// statblock's, kept as YAML). An admonition's "title: X" becomes the line X.
bool MarkupReader::fenceLine(std::string_view line, std::string_view text) {
  const std::size_t marks = fenceMarks(text);
  if (marks >= fenceMarks_ && text[0] == fence_ && text.size() == marks) {
    fence_ = '\0';
    return true;
  }
  if (dropBody_) {
    statblockLine(quotedFence_ ? withoutQuoteMarks(line) : line);
    return true;
  }
  if (titleLine_) {
    titleLine_ = false;
    constexpr std::string_view TITLE = "title:";
    if (text.starts_with(TITLE)) {
      inlineLine(withoutLeading(text.substr(TITLE.size()), " "));
      return true;
    }
  }
  return false;
}

// "| a | b |": the cells between the bars that no "\" escapes, outer bars dropped.
void MarkupReader::row(std::string_view text) {
  text.remove_prefix(1);
  if (text.ends_with('|') && !text.ends_with("\\|")) text.remove_suffix(1);
  std::size_t start = 0;
  for (std::size_t at = 0;; ++at) {
    if (at == text.size() || (text[at] == '|' && (at == 0 || text[at - 1] != '\\'))) {
      lines_.pipeCell();
      readInline(text.substr(start, at - start), lines_);
      if (at == text.size()) break;
      start = at + 1;
    }
  }
  lines_.endSourceLine();
}

}  // namespace

void MarkupDetector::see(std::string_view line) {
  if (found_) return;
  // Most lines of a plain file open with a letter or a digit: only a tag can make them markup.
  std::size_t start = 0;
  while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
  if (!first_ && start < line.size() && (isLetterChar(line[start]) || isDigitChar(line[start]))) {
    previousRow_ = false;
    found_ = holdsTableTag(line);
    return;
  }
  line = trimmed(line);
  if (first_) {
    first_ = false;
    if (line == "---") {
      found_ = true;
      return;
    }
  }
  const std::string_view text = withoutBullet(withoutQuoteMarks(line));
  const bool row = text.starts_with('|');
  found_ = (row && previousRow_) || fenceMarks(text) > 0 || text.starts_with("{{") ||
           boldLabel(text) || holdsTableTag(line);
  previousRow_ = row;
}

bool readMarkup(LineReader& reader, MarkupText& plain) {
  MarkupReader markup(plain);
  std::string line;
  while (reader.readLine(line)) {
    if (line.ends_with('\n')) line.pop_back();
    markup.take(line);
  }
  markup.finish();
  return !reader.failed();
}

}  // namespace veldarin
