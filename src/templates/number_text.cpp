#include "templates/number_text.h"

#include <charconv>
#include <climits>
#include <string>
#include <string_view>

#include "monster/ascii.h"
#include "read/to_int.h"

namespace veldarin {

namespace {

// Appends the value's digits, without a sign.
void appendMagnitude(std::string& to, int value) {
  // Most rolls have one or two digits.
  if (value > -100 && value < 100) {
    const int magnitude = value < 0 ? -value : value;
    if (magnitude >= 10) to += static_cast<char>('0' + magnitude / 10);
    to += static_cast<char>('0' + magnitude % 10);
    return;
  }
  const long long wide = value;
  char digits[24];  // a 64-bit number's digits
  const auto result = std::to_chars(digits, digits + sizeof digits, wide < 0 ? -wide : wide);
  to.append(digits, static_cast<std::size_t>(result.ptr - digits));
}

// The value written as the number was: a sign where it had one ("+" for zero and above, its
// own dash below zero, "-" when it had "+"), none where it had none ("-" below zero).
void appendWrittenLike(std::string& to, const WrittenNumber& number, int value) {
  if (value < 0) {
    const bool dash = !number.sign.empty() && number.sign != "+";
    to.append(dash ? number.sign : "-");
  } else if (!number.sign.empty()) {
    to += '+';
  }
  appendMagnitude(to, value);
}

// Whether the dice's constant is not `constant`: then appends what replaces the text after the
// dice, the sign keeping its spaces on both sides ("2d6 + 3"), nothing for 0.
bool appendConstant(std::string& to, std::string_view text, const WrittenDice& dice, int constant) {
  if (!dice.constant) {
    if (constant == 0) return false;
    to += constant < 0 ? '-' : '+';
    appendMagnitude(to, constant);
    return true;
  }
  const WrittenNumber& old = *dice.constant;
  if (constant == old.value) return false;
  if (constant == 0) return true;
  const std::size_t signEnd = old.begin + old.sign.size();
  const std::size_t digits = text.find_first_not_of(' ', signEnd);
  to.append(dice.gap);
  if (constant >= 0) {
    to += '+';
  } else {
    to.append(old.sign != "+" ? old.sign : "-");
  }
  to.append(text.substr(signEnd, digits - signEnd));
  appendMagnitude(to, constant);
  return true;
}

bool mayBeginNumber(char c) {
  return isDigitChar(c) || c == '+' || c == '-' || c == '\xE2';  // the dashes' first byte
}

std::size_t digitsEnd(std::string_view text, std::size_t pos) {
  while (pos < text.size() && isDigitChar(text[pos])) ++pos;
  return pos;
}

// The value of the digits text[begin, end): past the 32-bit range it only needs to stay too
// large, so reading stops there.
long long digitsValue(std::string_view text, std::size_t begin, std::size_t end) {
  long long magnitude = 0;
  for (std::size_t at = begin; at < end && magnitude <= INT_MAX; ++at) {
    magnitude = magnitude * 10 + (text[at] - '0');
  }
  return magnitude;
}

// Whether a number may begin right after this byte: not inside a word or another number.
bool breaksBefore(std::string_view text, std::size_t pos) {
  if (pos == 0) return true;
  const char before = text[pos - 1];
  return !isLetterChar(before) && !isDigitChar(before) && before != '/' && before != '.';
}

}  // namespace

std::optional<WrittenNumber> numberAt(std::string_view text, std::size_t pos) {
  // Only a digit or the first byte of a sign may begin a number: most positions end here.
  if (pos >= text.size() || !mayBeginNumber(text[pos])) return std::nullopt;
  // "+" and "-" are told here; only the dashes' first byte needs the general test.
  const char first = text[pos];
  bool negative = first == '-';
  const std::size_t sign = isDigitChar(first)             ? 0
                           : first == '+' || first == '-' ? 1
                                                          : signAt(text, pos, negative);
  const std::size_t digits = pos + sign;
  const std::size_t end = digitsEnd(text, digits);
  if (end == digits) return std::nullopt;
  const long long magnitude = digitsValue(text, digits, end);
  return WrittenNumber{pos, end, text.substr(pos, sign),
                       clampToInt(negative ? -magnitude : magnitude)};
}

std::optional<WrittenNumber> nextNumber(std::string_view text, std::size_t pos, bool signedOnly) {
  // The one object returned, so that it is built in the caller's place.
  std::optional<WrittenNumber> number;
  for (std::size_t at = pos; at < text.size(); ++at) {
    if (!mayBeginNumber(text[at]) || !breaksBefore(text, at)) continue;
    number = numberAt(text, at);
    if (!number) continue;
    if (!signedOnly || !number->sign.empty()) return number;
    at = number->end - 1;
  }
  number.reset();
  return number;
}

std::optional<WrittenNumber> hitPointCount(std::string_view text) {
  const std::size_t open = text.rfind('(');
  if (open == std::string_view::npos) return std::nullopt;
  auto count = numberAt(text, open + 1);
  const std::string_view after = count ? text.substr(count->end) : std::string_view();
  if (!after.starts_with(" hp") && !after.starts_with(")")) return std::nullopt;
  return count;
}

std::optional<WrittenDice> nextDice(std::string_view text, std::size_t pos) {
  // Built in the result itself, the only object returned: a copy of it on the way out stalls
  // every caller.
  std::optional<WrittenDice> found;
  for (std::size_t at = pos; at < text.size(); ++at) {
    if (!isDigitChar(text[at]) || !breaksBefore(text, at)) continue;
    const std::size_t countEnd = digitsEnd(text, at);
    if (countEnd + 1 >= text.size() || text[countEnd] != 'd' || !isDigitChar(text[countEnd + 1])) {
      at = countEnd - 1;
      continue;
    }
    WrittenDice& dice = found.emplace();
    dice.begin = at;
    dice.countEnd = countEnd;
    dice.count = clampToInt(digitsValue(text, at, countEnd));
    dice.diceEnd = dice.end = digitsEnd(text, countEnd + 1);
    dice.sides = clampToInt(digitsValue(text, countEnd + 1, dice.diceEnd));
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
        const int magnitude = clampToInt(digitsValue(text, digits, end));
        dice.constant = WrittenNumber{sign, end, text.substr(sign, signSize),
                                      negative ? -magnitude : magnitude};
        dice.gap = text.substr(dice.diceEnd, sign - dice.diceEnd);
        dice.end = end;
      }
    }
    return found;
  }
  return found;
}

std::string diceWithConstant(std::string_view text, const WrittenDice& dice, int constant) {
  std::string written(text.substr(dice.begin, dice.diceEnd - dice.begin));
  if (!appendConstant(written, text, dice, constant)) {
    written.assign(text.substr(dice.begin, dice.end - dice.begin));
  }
  return written;
}

std::string diceWithCount(std::string_view text, const WrittenDice& dice, long long count,
                          int constant) {
  std::string written = diceWithConstant(text, dice, constant);
  if (count != dice.count) written.replace(0, dice.countEnd - dice.begin, std::to_string(count));
  return written;
}

bool TextEdits::copyUpTo(std::size_t begin) {
  if (begin < copied_ || begin > original_.size()) return false;
  any_ = true;
  edited_.append(original_.substr(copied_, begin - copied_));
  return true;
}

void TextEdits::replace(std::size_t begin, std::size_t end, std::string_view text) {
  if (end < begin || end > original_.size() || !copyUpTo(begin)) return;
  edited_.append(text);
  copied_ = end;
}

void TextEdits::replace(const WrittenNumber& number, int value) {
  if (value == number.value || !copyUpTo(number.begin)) return;
  appendWrittenLike(edited_, number, value);
  copied_ = number.end;
}

void TextEdits::replaceConstant(const WrittenDice& dice, int constant) {
  const bool same = dice.constant ? dice.constant->value == constant : constant == 0;
  if (same || !copyUpTo(dice.diceEnd)) return;
  appendConstant(edited_, original_, dice, constant);
  copied_ = dice.end;
}

std::string TextEdits::applied() const {
  if (!any_) return std::string(original_);
  std::string text = edited_;
  return text.append(original_.substr(copied_));
}

void TextEdits::applyTo(std::string& text) {
  if (!any_) return;
  edited_.append(original_.substr(copied_));
  copied_ = original_.size();
  // Into the text's own storage, which mostly has room: no allocation per field.
  if (edited_.size() > text.capacity()) {
    text.clear();
    reserveExactly(text, edited_.size());
  }
  text.assign(edited_);
  any_ = false;
  edited_.clear();
}

void reserveExactly(std::string& text, std::size_t size) {
  if (size <= text.capacity()) return;
  std::string grown;
  grown.reserve(size);
  grown.assign(text);
  text.swap(grown);
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
