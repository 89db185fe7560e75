#include "read/markup/inline_text.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "monster/ascii.h"
#include "monster/utf8.h"
#include "read/block_text.h"

namespace veldarin {

namespace {

constexpr std::size_t NONE = std::string_view::npos;

// The next place of a mark at or after a position that only grows, so that a text full of
// openers that are never closed is searched once, not once per opener.
class NextMark {
 public:
  explicit NextMark(std::string_view mark) : mark_(mark) {}

  std::size_t from(std::string_view text, std::size_t position) {
    if (!searched_ || (at_ != NONE && at_ < position)) {
      at_ = text.find(mark_, position);
      searched_ = true;
    }
    return at_;
  }

 private:
  std::string_view mark_;
  std::size_t at_ = NONE;
  bool searched_ = false;
};

struct Entity {
  std::string_view name;
  std::string_view text;
};

constexpr auto ENTITIES = std::to_array<Entity>({
    {"amp", "&"},
    {"lt", "<"},
    {"gt", ">"},
    {"quot", "\""},
    {"#39", "'"},
    {"apos", "'"},
    {"nbsp", " "},
    {"mdash", "\xE2\x80\x94"},
    {"ndash", "\xE2\x80\x93"},
    {"minus", "\xE2\x88\x92"},
    {"times", "\xC3\x97"},
    {"lsquo", "\xE2\x80\x98"},
    {"rsquo", "\xE2\x80\x99"},
    {"ldquo", "\xE2\x80\x9C"},
    {"rdquo", "\xE2\x80\x9D"},
});

// The longest entity name read, "#x10FFFF" or "#1114111" included.
constexpr std::size_t LONGEST_ENTITY = 8;

bool isAlphanumeric(char c) {
  return isLetterChar(c) || isDigitChar(c);
}

bool isAsciiPunctuation(char c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
         (c >= '{' && c <= '~');
}

int hexValue(char c) {
  if (isDigitChar(c)) return c - '0';
  const char lower = toLowerAscii(c);
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// The characters of an entity's name ("mdash", "#8212", "#x2014"); false for any other.
bool entityText(std::string_view name, std::string& text) {
  for (const Entity& entity : ENTITIES) {
    if (name == entity.name) {
      text = entity.text;
      return true;
    }
  }
  if (name.size() < 2 || name[0] != '#') return false;
  const bool hex = name[1] == 'x' || name[1] == 'X';
  const std::string_view digits = name.substr(hex ? 2 : 1);
  if (digits.empty()) return false;
  std::uint32_t code = 0;
  for (const char c : digits) {
    const int digit = hex ? hexValue(c) : (isDigitChar(c) ? c - '0' : -1);
    if (digit < 0) return false;
    code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
  }
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
  text.clear();
  appendUtf8(text, code);
  return true;
}

// A wikilink's text: the label after "|", else the target after its last "/" and before any
// "#" or "^".
std::string_view wikilinkText(std::string_view link) {
  const std::size_t bar = link.find('|');
  if (bar != NONE) return link.substr(bar + 1);
  link = link.substr(0, link.find_first_of("#^"));
  const std::size_t slash = link.rfind('/');
  return slash == NONE ? link : link.substr(slash + 1);
}

bool isSpecial(char c) {
  switch (c) {
    case '!':
    case '[':
    case '*':
    case '_':
    case '`':
    case '$':
    case '\\':
    case ':':
    case '<':
    case '&':
      return true;
    default:
      return false;
  }
}

class InlineReader {
 public:
  InlineReader(std::string_view text, InlineSink& sink) : text_(text), sink_(sink) {}
  void read();

 private:
  char at(std::size_t i) const { return i < text_.size() ? text_[i] : '\0'; }
  bool image();
  bool link();
  bool wikilinkAt(std::size_t open, std::string_view& inside, std::size_t& end);
  bool linkAt(std::size_t open, std::string_view& label, std::size_t& end);
  bool tag();
  bool entity();
  bool latexText();

  std::string_view text_;
  InlineSink& sink_;
  std::size_t i_ = 0;
  NextMark closeBracket_{"]"};
  NextMark closeWikilink_{"]]"};
  NextMark closeParenthesis_{")"};
  NextMark closeBrace_{"}"};
  NextMark closeTag_{">"};
  NextMark semicolon_{";"};
  std::string entity_;
};

void InlineReader::read() {
  while (i_ < text_.size()) {
    std::size_t plain = i_;
    while (plain < text_.size() && !isSpecial(text_[plain])) ++plain;
    if (plain > i_) {
      sink_.put(text_.substr(i_, plain - i_));
      i_ = plain;
      continue;
    }
    const char c = text_[i_];
    switch (c) {
      case '!':
        if (image()) continue;
        break;
      case '[':
        if (link()) continue;
        break;
      case '*':
      case '`':
      case '$':
        ++i_;
        continue;
      case '_':
        if (i_ > 0 && isAlphanumeric(text_[i_ - 1]) && isAlphanumeric(at(i_ + 1))) break;
        ++i_;
        continue;
      case '\\':
        if (isAsciiPunctuation(at(i_ + 1))) {
          sink_.put(text_.substr(i_ + 1, 1));
          i_ += 2;
          continue;
        }
        if (latexText()) continue;
        break;
      case ':':
        if (at(i_ + 1) == ':') {
          sink_.put(" ");
          i_ += 2;
          continue;
        }
        break;
      case '<':
        if (tag()) continue;
        break;
      case '&':
        if (entity()) continue;
        break;
      default:
        break;
    }
    sink_.put(text_.substr(i_, 1));
    ++i_;
  }
}

// A PDF conversion's math text ("$3\mathrm{d}6$"): "\mathrm{d}" and "\text{d}" give "d".
bool InlineReader::latexText() {
  for (const std::string_view command : {"mathrm{", "text{", "textrm{"}) {
    if (text_.substr(i_ + 1, command.size()) != command) continue;
    const std::size_t open = i_ + 1 + command.size();
    const std::size_t close = closeBrace_.from(text_, open);
    if (close == NONE) return false;
    sink_.put(text_.substr(open, close - open));
    i_ = close + 1;
    return true;
  }
  return false;
}

// "[[...]]" whose "[[" stands at `open`: what it holds, and where it ends.
bool InlineReader::wikilinkAt(std::size_t open, std::string_view& inside, std::size_t& end) {
  const std::size_t close = closeWikilink_.from(text_, open + 2);
  if (close == NONE) return false;
  inside = text_.substr(open + 2, close - open - 2);
  end = close + 2;
  return true;
}

// "[label](address)" whose "[" stands at `open`: its label, and where it ends.
bool InlineReader::linkAt(std::size_t open, std::string_view& label, std::size_t& end) {
  const std::size_t close = closeBracket_.from(text_, open + 1);
  if (close == NONE || at(close + 1) != '(') return false;
  const std::size_t parenthesis = closeParenthesis_.from(text_, close + 2);
  if (parenthesis == NONE) return false;
  label = text_.substr(open + 1, close - open - 1);
  end = parenthesis + 1;
  return true;
}

// "![alt](address)" with a "{...}" block after it, or an embed "![[...]]": dropped.
bool InlineReader::image() {
  if (at(i_ + 1) != '[') return false;
  std::string_view unused;
  std::size_t end = 0;
  if (at(i_ + 2) == '[') {
    if (!wikilinkAt(i_ + 1, unused, end)) return false;
    i_ = end;
    return true;
  }
  if (!linkAt(i_ + 1, unused, end)) return false;
  i_ = end;
  // Brews put spaces between an image and its attributes.
  const std::size_t attributes = text_.find_first_not_of(' ', i_);
  if (attributes != NONE && text_[attributes] == '{') {
    const std::size_t brace = closeBrace_.from(text_, attributes + 1);
    if (brace != NONE) i_ = brace + 1;
  }
  return true;
}

// "[text](address)" and "[[target|label]]": their text, read by the same rules. The text
// holds no "]" (or no "]]"), so what it nests is read only once more.
bool InlineReader::link() {
  std::string_view text;
  std::size_t end = 0;
  if (at(i_ + 1) == '[') {
    if (!wikilinkAt(i_, text, end)) return false;
    text = wikilinkText(text);
  } else if (!linkAt(i_, text, end)) {
    return false;
  }
  InlineReader(text, sink_).read();
  i_ = end;
  return true;
}

// An HTML tag: "<" and a letter, "/" or "!" up to the next ">". Breaks and table rows and
// cells tell the sink; every other tag is dropped.
bool InlineReader::tag() {
  const char first = at(i_ + 1);
  if (!isLetterChar(first) && first != '/' && first != '!') return false;
  const std::size_t close = closeTag_.from(text_, i_ + 1);
  if (close == NONE) return false;
  const std::string_view inside = text_.substr(i_ + 1, close - i_ - 1);
  i_ = close + 1;
  if (equalsIgnoringCase(inside, "br") || equalsIgnoringCase(inside, "br/") ||
      equalsIgnoringCase(inside, "br /")) {
    sink_.lineBreak();
    return true;
  }
  const bool closing = inside.starts_with('/');
  const std::string_view name = inside.substr(closing ? 1 : 0);
  const auto named = [&](std::string_view tagName) {
    return startsWithIgnoringCase(name, tagName) &&
           (name.size() == tagName.size() || !isLetterChar(name[tagName.size()]));
  };
  if (named("tr")) {
    closing ? sink_.rowEnd() : sink_.rowStart();
  } else if (!closing && (named("td") || named("th"))) {
    sink_.cell();
  } else if (closing && named("table")) {
    sink_.rowEnd();
  }
  return true;
}

// "&mdash;", "&#8212;", "&#x2014;": the character, not read again.
bool InlineReader::entity() {
  const std::size_t semicolon = semicolon_.from(text_, i_ + 1);
  if (semicolon == NONE || semicolon - i_ - 1 > LONGEST_ENTITY) return false;
  if (!entityText(text_.substr(i_ + 1, semicolon - i_ - 1), entity_)) return false;
  sink_.put(entity_);
  i_ = semicolon + 1;
  return true;
}

// The text of a line with its <br> read as spaces.
class OneLine : public InlineSink {
 public:
  void put(std::string_view text) override { line.append(text); }
  void lineBreak() override { line += ' '; }
  void cell() override { line += ' '; }
  std::string line;
};

}  // namespace

void readInline(std::string_view text, InlineSink& sink) {
  InlineReader(text, sink).read();
}

std::string cleanedLine(std::string_view text) {
  text = withoutTrailing(withoutLeading(text, " "), " ");
  if (text.ends_with('\\')) text = withoutTrailing(text.substr(0, text.size() - 1), " ");
  // A block id ("^statblock"), alone or after a space.
  const std::size_t caret = text.rfind('^');
  if (caret != NONE && caret + 1 < text.size() && (caret == 0 || text[caret - 1] == ' ') &&
      text.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-",
                             caret + 1) == NONE) {
    text = withoutTrailing(text.substr(0, caret), " ");
  }
  std::string line;
  line.reserve(text.size());
  for (const char c : text) {
    if (c == ' ' && !line.empty() && line.back() == ' ') continue;
    line += c;
  }
  return line;
}

std::string inlineLine(std::string_view text) {
  OneLine line;
  readInline(text, line);
  return cleanedLine(line.line);
}

}  // namespace veldarin
