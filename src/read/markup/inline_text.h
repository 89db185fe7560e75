#pragma once

#include <string>
#include <string_view>

namespace veldarin {

// Where the inline rules put the text they read, with the line and cell breaks that HTML
// brings.
class InlineSink {
 public:
  virtual ~InlineSink() = default;
  virtual void put(std::string_view text) = 0;
  virtual void lineBreak() = 0;  // <br>
  virtual void rowStart() {}     // <tr>
  virtual void cell() {}         // <td>, <th>
  virtual void rowEnd() {}       // </tr>, </table>
};

// Reads a line's inline markup: images and embeds dropped, links and wikilinks as their text,
// emphasis, code and math marks dropped, escapes and entities as their characters, "::" as a
// space, HTML tags dropped or turned into breaks. Linear in the text, however it nests.
void readInline(std::string_view text, InlineSink& sink);

// A line as read: spaces off both ends, a trailing "\" (a hard break) and a block id dropped,
// runs of spaces made one.
std::string cleanedLine(std::string_view text);

// A text read by the inline rules into one line, a <br> read as a space.
std::string inlineLine(std::string_view text);

}  // namespace veldarin
