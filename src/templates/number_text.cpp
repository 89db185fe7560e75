#include "templates/number_text.h"

#include <string>
#include <string_view>
#include <utility>

#include "monster/ascii.h"
#include "read/to_int.h"

namespace veldarin {

namespace {

std::string magnitudeText(int value) {
  const long long wide = value;
  return std::to_string(wide < 0 ? -wide : wide);
}

std::size_t digitsEnd(std::string_view text, std::size_t pos) {
  while (pos < text.size() && isDigitChar(text[pos])) ++pos;
  return pos;
}

// Whether a number may begin right after this byte: not inside a word or another number.
bool breaksBefore(std::string_view text, std::size_t pos) {
  if (pos == 0) return true;
  const char before = text[pos - 1];
  return !isLetterChar(before) && !isDigitChar(before) && before != '/' && before != '.';
}

}  // namespace

std::optional<WrittenNumber> numberAt(std::string_view text, std::size_t pos) {
  bool negative = false;
  const std::size_t sign = signAt(text, pos, negative);
  const std::size_t digits = pos + sign;
  const std::size_t end = digitsEnd(text, digits);
  if (end == digits) return std::nullopt;
  return WrittenNumber{pos, end, text.substr(pos, sign), toInt(text, pos)};
}

std::optional<WrittenNumber> nextNumber(std::string_view text, std::size_t pos, bool signedOnly) {
  for (std::size_t at = pos; at < text.size(); ++at) {
    if (!breaksBefore(text, at)) continue;
    if (const auto number = numberAt(text, at)) {
      if (!signedOnly || !number->sign.empty()) return number;
      at = number->end - 1;
    }
  }
  return std::nullopt;
}

std::string writtenLike(const WrittenNumber& number, int value) {
  const std::string digits = magnitudeText(value);
  if (value < 0) {
    const bool dash = !number.sign.empty() && number.sign != "+";
    return (dash ? std::string(number.sign) : std::string("-")) + digits;
  }
  return (number.sign.empty() ? "" : "+") + digits;
}

std::optional<WrittenDice> nextDice(std::string_view text, std::size_t pos) {
  for (std::size_t at = pos; at < text.size(); ++at) {
    if (!isDigitChar(text[at]) || !breaksBefore(text, at)) continue;
    const std::size_t countEnd = digitsEnd(text, at);
    if (countEnd + 1 >= text.size() || text[countEnd] != 'd' || !isDigitChar(text[countEnd + 1])) {
      at = countEnd - 1;
      continue;
    }
    WrittenDice dice;
    dice.begin = at;
    dice.countEnd = countEnd;
    dice.count = toInt(text, at);
    dice.sides = toInt(text, countEnd + 1);
    dice.diceEnd = dice.end = digitsEnd(text, countEnd + 1);
    std::size_t sign = dice.diceEnd;
    while (sign < text.size() && text[sign] == ' ') ++sign;
    bool negative = false;
    const std::size_t signSize = signAt(text, sign, negative);
    std::size_t digits = sign + signSize;
    if (signSize > 0) {
      while (digits < text.size() && text[digits] == ' ') ++digits;
      const std::size_t end = digitsEnd(text, digits);
      // "2d6+1d4" adds dice, not a constant.
      if (end > digits && (end == text.size() || text[end] != 'd')) {
        dice.constant = WrittenNumber{sign, end, text.substr(sign, signSize),
                                      negative ? -toInt(text, digits) : toInt(text, digits)};
        dice.gap = text.substr(dice.diceEnd, sign - dice.diceEnd);
        dice.end = end;
      }
    }
    return dice;
  }
  return std::nullopt;
}

std::string diceWithConstant(std::string_view text, const WrittenDice& dice, int constant) {
  const std::string_view written = text.substr(dice.begin, dice.end - dice.begin);
  const std::string_view bare = text.substr(dice.begin, dice.diceEnd - dice.begin);
  if (!dice.constant) {
    if (constant == 0) return std::string(written);
    return std::string(bare) + (constant < 0 ? "-" : "+") + magnitudeText(constant);
  }
  if (constant == dice.constant->value) return std::string(written);
  if (constant == 0) return std::string(bare);
  // The sign keeps its spaces on both sides: "2d6 + 3".
  const WrittenNumber& old = *dice.constant;
  const std::size_t digits = text.find_first_not_of(' ', old.begin + old.sign.size());
  const std::string_view after =
      text.substr(old.begin + old.sign.size(), digits - old.begin - old.sign.size());
  const bool dash = old.sign != "+";
  std::string sign = constant < 0 ? (dash ? std::string(old.sign) : std::string("-")) : "+";
  return std::string(bare) + std::string(dice.gap) + sign + std::string(after) +
         magnitudeText(constant);
}

std::string diceWithCount(std::string_view text, const WrittenDice& dice, long long count,
                          int constant) {
  std::string written = diceWithConstant(text, dice, constant);
  if (count != dice.count) written.replace(0, dice.countEnd - dice.begin, std::to_string(count));
  return written;
}

void TextEdits::replace(std::size_t begin, std::size_t end, std::string text) {
  edits_.push_back({begin, end, std::move(text)});
}

void TextEdits::replace(const WrittenNumber& number, int value) {
  if (value == number.value) return;
  replace(number.begin, number.end, writtenLike(number, value));
}

std::string TextEdits::appliedTo(std::string_view original) const {
  std::string text;
  text.reserve(original.size());
  std::size_t at = 0;
  for (const Edit& edit : edits_) {
    if (edit.begin < at || edit.end > original.size()) continue;
    text.append(original.substr(at, edit.begin - at)).append(edit.text);
    at = edit.end;
  }
  text.append(original.substr(at));
  return text;
}

long long roundHalfUp(long long numerator, long long denominator) {
  const long long twice = 2 * numerator + denominator;
  const long long under = 2 * denominator;
  // Division that rounds toward minus infinity.
  return twice / under - (twice % under < 0 ? 1 : 0);
}

std::string ratingText(int cr) {
  switch (cr) {
    case -1:
      return "1/2";
    case -2:
      return "1/3";
    case -3:
      return "1/4";
    case -4:
      return "1/6";
    case -5:
      return "1/8";
    case -6:
      return "1/10";
    default:
      return std::to_string(cr);
  }
}

}  // namespace veldarin
