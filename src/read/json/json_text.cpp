#include "read/json/json_text.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "monster/ascii.h"
#include "read/block_text.h"
#include "read/markup/inline_text.h"

namespace veldarin {

std::string wholeNumber(std::string_view number) {
  const std::size_t point = number.find('.');
  if (point == std::string_view::npos || point == 0 || !isDigitChar(number[point - 1])) {
    return std::string(number);
  }
  const std::string_view fraction = number.substr(point + 1);
  if (fraction.empty() || fraction.find_first_not_of('0') != std::string_view::npos) {
    return std::string(number);
  }
  return std::string(number.substr(0, point));
}

std::string oneLine(std::string_view raw) {
  std::string joined(raw);
  std::replace_if(
      joined.begin(), joined.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return inlineLine(joined);
}

std::string plainText(const JsonValues& values, JsonValues::Index index) {
  if (!values.isScalar(index)) return {};
  const std::string_view raw = values.text(index);
  return values.at(index).kind == JsonKind::NUMBER ? wholeNumber(raw) : oneLine(raw);
}

std::string memberText(const JsonValues& values, JsonValues::Index object, std::string_view key) {
  return plainText(values, values.member(object, key));
}

namespace {

// Reads inline marks keeping line breaks.
class Lines : public InlineSink {
 public:
  void put(std::string_view text) override { current_.append(text); }
  void lineBreak() override { finish(); }
  void cell() override { current_ += ' '; }
  void finish() {
    const std::string line = cleanedLine(current_);
    current_.clear();
    if (line.empty()) return;
    if (!text_.empty()) text_ += '\n';
    text_ += line;
  }
  std::string take() {
    finish();
    return std::move(text_);
  }

 private:
  std::string current_;
  std::string text_;
};

}  // namespace

std::string descriptionText(std::string_view raw) {
  Lines lines;
  forEachPart(
      raw,
      [&](std::string_view line) {
        if (line.ends_with('\r')) line.remove_suffix(1);
        readInline(line, lines);
        lines.finish();
      },
      "\n");
  return lines.take();
}

std::string ratingText(std::string_view rating) {
  std::string whole = wholeNumber(rating);
  if (whole == "0.125") return "1/8";
  if (whole == "0.25" || whole == "0.250") return "1/4";
  if (whole == "0.5" || whole == "0.50" || whole == "0.500") return "1/2";
  return whole;
}

std::string joinedTexts(const std::vector<std::string>& texts) {
  const bool comma = std::any_of(texts.begin(), texts.end(), [](const std::string& text) {
    return text.find(',') != std::string::npos;
  });
  std::string joined;
  for (const std::string& text : texts) {
    if (text.empty()) continue;
    if (!joined.empty()) joined += comma ? "; " : ", ";
    joined += text;
  }
  return joined;
}

std::string listText(const JsonValues& values, JsonValues::Index index) {
  if (values.isScalar(index)) return plainText(values, index);
  std::vector<std::string> texts;
  for (const JsonValues::Index item : values.children(index)) {
    texts.push_back(plainText(values, item));
  }
  return joinedTexts(texts);
}

std::string_view labelOf(std::span<const CodeLabel> labels, std::string_view code,
                         std::string_view otherwise) {
  for (const CodeLabel& label : labels) {
    if (label.code == code) return label.text;
  }
  return otherwise;
}

std::string rechargeText(std::string_view from) {
  if (from.empty() || from == "6") return "(Recharge 6)";
  return "(Recharge " + std::string(from) + "\xE2\x80\x93" + "6)";
}

std::string withSign(std::string_view number) {
  if (!number.empty() && isDigitChar(number[0])) return "+" + std::string(number);
  return std::string(number);
}

std::string titled(std::string_view key) {
  std::string name(key);
  bool start = true;
  for (char& c : name) {
    if (c == '_') c = ' ';
    if (start) c = toUpperAscii(c);
    start = c == ' ';
  }
  return name;
}

std::string capitalized(std::string_view text) {
  std::string made(text);
  if (!made.empty()) made[0] = toUpperAscii(made[0]);
  return made;
}

void setText(Statblock& block, StatKey key, std::string text) {
  StatValue& value = block[key];
  value.present = !text.empty();
  value.isText = value.present;
  value.text = std::move(text);
}

void addItem(Statblock& block, StatKey key, std::string first, std::string second) {
  if (first.empty() && second.empty()) return;
  StatValue& value = block[key];
  value.present = true;
  value.items.push_back({std::move(first), std::move(second)});
}

void setScores(Statblock& block, StatKey key, std::vector<std::string> scores) {
  StatValue& value = block[key];
  value.present = true;
  value.isList = true;
  value.firstSix = std::move(scores);
}

}  // namespace veldarin
