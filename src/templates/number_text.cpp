#include "templates/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstring>
#include <string>
#include <string_view>

#include "monster/ascii.h"
#include "read/to_int.h"

namespace veldarin {

namespace {

// The most bytes a number takes as written: a dash's 3 bytes and 10 digits.
constexpr std::size_t NUMBER_ROOM = 13;

// Writes the value's digits, without a sign, at `out`; returns their end.
inline char* writeMagnitude(char* out, int value) {
  // Most rolls have one or two digits.
  if (value > -100 && value < 100) {
    const int magnitude = value < 0 ? -value : value;
    if (magnitude >= 10) *out++ = static_cast<char>('0' + magnitude / 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
    return out;
  }
  const long long wide = value;
  return std::to_chars(out, out + NUMBER_ROOM, wide < 0 ? -wide : wide).ptr;
}

char* writeText(char* out, std::string_view text) {
  return text.empty()
             ? out
             : static_cast<char*>(std::memcpy(out, text.data(), text.size())) + text.size();
}

// The value written as the number was: a sign where it had one ("+" for zero and above, its
// own dash below zero, "-" when it had "+"), none where it had none ("-" below zero).
char* writeLike(char* out, const WrittenNumber& number, int value) {
  if (value < 0) {
    const bool dash = !number.sign.empty() && number.sign != "+";
    out = writeText(out, dash ? number.sign : "-");
  } else if (!number.sign.empty()) {
    *out++ = '+';
  }
  return writeMagnitude(out, value);
}

// The spaces between the dice's old sign and its digits ("2d6 + 3").
std::string_view spacesAfterSign(std::string_view text, const WrittenNumber& old) {
  const std::size_t signEnd = old.begin + old.sign.size();
  std::size_t digits = signEnd;
  while (digits < text.size() && text[digits] == ' ') ++digits;
  return text.substr(signEnd, digits - signEnd);
}

// The most bytes writeConstant writes for these dice.
std::size_t constantRoom(std::string_view text, const WrittenDice& dice) {
  if (!dice.constant) return 1 + NUMBER_ROOM;
  return dice.gap.size() + spacesAfterSign(text, *dice.constant).size() + NUMBER_ROOM;
}

// Whether the dice's constant is not `constant`: then writes at `out` what replaces the text
// after the dice, the sign keeping its spaces on both sides ("2d6 + 3"), nothing for 0, and
// moves `out` past it.
bool writeConstant(char*& out, std::string_view text, const WrittenDice& dice, int constant) {
  if (!dice.constant) {
    if (constant == 0) return false;
    *out++ = constant < 0 ? '-' : '+';
    out = writeMagnitude(out, constant);
    return true;
  }
  const WrittenNumber& old = *dice.constant;
  if (constant == old.value) return false;
  if (constant == 0) return true;
  out = writeText(out, dice.gap);
  if (constant >= 0) {
    *out++ = '+';
  } else {
    out = writeText(out, old.sign != "+" ? old.sign : "-");
  }
  out = writeText(out, spacesAfterSign(text, old));
  out = writeMagnitude(out, constant);
  return true;
}

// The bytes that may begin a number: digits, "+", "-" and the dashes' first byte, told by a table
// as most bytes of a text are none of them.
constexpr std::array<bool, 256> NUMBER_STARTS = [] {
  std::array<bool, 256> starts{};
  for (char c = '0'; c <= '9'; ++c) starts[static_cast<unsigned char>(c)] = true;
  starts['+'] = starts['-'] = starts[0xE2] = true;
  return starts;
}();

bool mayBeginNumber(char c) {
  return NUMBER_STARTS[static_cast<unsigned char>(c)];
}

// The end of the digits from `begin`, and their value, which past the 32-bit range only needs to
// stay too large, so that reading stops there; one pass for both.
std::size_t readDigits(std::string_view text, std::size_t begin, long long& value) {
  long long magnitude = 0;
  std::size_t at = begin;
  for (; at < text.size() && isDigitChar(text[at]); ++at) {
    if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (text[at] - '0');
  }
  value = magnitude;
  return at;
}

// The magnitude with its sign, saturated at the 32-bit bounds.
inline int signedValue(bool negative, long long magnitude) {
  const long long value = negative ? -magnitude : magnitude;
  return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

// signAt, with "+" and "-" told here: only the dashes' first byte needs the general test.
inline std::size_t signLength(std::string_view text, std::size_t pos, bool& negative) {
  negative = false;
  if (pos >= text.size()) return 0;
  const char c = text[pos];
  if (c == '+' || c == '-') {
    negative = c == '-';
    return 1;
  }
  return c == '\xE2' ? signAt(text, pos, negative) : 0;
}

// Whether a number may begin right after this byte: not inside a word or another number.
bool breaksBefore(std::string_view text, std::size_t pos) {
  if (pos == 0) return true;
  const char before = text[pos - 1];
  return !isLetterChar(before) && !isDigitChar(before) && before != '/' && before != '.';
}

// numberAt's reading into `number`; false, with `number` spoiled, when none begins at `pos`.
inline bool readNumber(std::string_view text, std::size_t pos, WrittenNumber& number) {
  // Only a digit or the first byte of a sign may begin a number: most positions end here.
  if (pos >= text.size() || !mayBeginNumber(text[pos])) return false;
  bool negative = false;
  const std::size_t sign = signLength(text, pos, negative);
  const std::size_t digits = pos + sign;
  long long magnitude = 0;
  number.end = readDigits(text, digits, magnitude);
  if (number.end == digits) return false;
  number.begin = pos;
  number.sign = text.substr(pos, sign);
  number.value = signedValue(negative, magnitude);
  return true;
}

}  // namespace

std::optional<WrittenNumber> numberAt(std::string_view text, std::size_t pos) {
  std::optional<WrittenNumber> number;
  if (!readNumber(text, pos, number.emplace())) number.reset();
  return number;
}

std::optional<WrittenNumber> nextNumber(std::string_view text, std::size_t pos, bool signedOnly) {
  // The one object returned, so that it is built in the caller's place.
  std::optional<WrittenNumber> number;
  WrittenNumber found;
  for (std::size_t at = pos; at < text.size(); ++at) {
    if (!mayBeginNumber(text[at]) || !breaksBefore(text, at)) continue;
    if (!readNumber(text, at, found)) continue;
    if (!signedOnly || !found.sign.empty()) {
      number = found;
      return number;
    }
    at = found.end - 1;
  }
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
    long long count = 0;
    const std::size_t countEnd = readDigits(text, at, count);
    if (countEnd + 1 >= text.size() || text[countEnd] != 'd' || !isDigitChar(text[countEnd + 1])) {
      at = countEnd - 1;
      continue;
    }
    WrittenDice& dice = found.emplace();
    dice.begin = at;
    dice.countEnd = countEnd;
    dice.count = signedValue(false, count);
    long long sides = 0;
    dice.diceEnd = dice.end = readDigits(text, countEnd + 1, sides);
    dice.sides = signedValue(false, sides);
    std::size_t sign = dice.diceEnd;
    while (sign < text.size() && text[sign] == ' ') ++sign;
    bool negative = false;
    const std::size_t signSize = signLength(text, sign, negative);
    std::size_t digits = sign + signSize;
    if (signSize > 0) {
      while (digits < text.size() && text[digits] == ' ') ++digits;
      long long value = 0;
      const std::size_t end = readDigits(text, digits, value);
      // "2d6+1d4" adds dice, not a constant.
      if (end > digits && (end == text.size() || text[end] != 'd')) {
        const int magnitude = signedValue(false, value);
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
  const std::size_t diceSize = written.size();
  written.resize(diceSize + constantRoom(text, dice));
  char* end = written.data() + diceSize;
  if (!writeConstant(end, text, dice, constant)) {
    return std::string(text.substr(dice.begin, dice.end - dice.begin));
  }
  written.resize(static_cast<std::size_t>(end - written.data()));
  return written;
}

std::string diceWithCount(std::string_view text, const WrittenDice& dice, long long count,
                          int constant) {
  std::string written = diceWithConstant(text, dice, constant);
  if (count != dice.count) written.replace(0, dice.countEnd - dice.begin, std::to_string(count));
  return written;
}

void TextEdits::grow(std::size_t more) {
  edited_.resize(std::max(2 * edited_.size(), length_ + more));
}

bool TextEdits::copyUpTo(std::size_t begin) {
  if (begin < copied_ || begin > original_.size()) return false;
  any_ = true;
  const std::string_view part = original_.substr(copied_, begin - copied_);
  wrote(writeText(room(part.size()), part));
  return true;
}

void TextEdits::replace(std::size_t begin, std::size_t end, std::string_view text) {
  if (end < begin || end > original_.size() || !copyUpTo(begin)) return;
  wrote(writeText(room(text.size()), text));
  copied_ = end;
}

void TextEdits::replace(const WrittenNumber& number, int value) {
  if (value == number.value || !copyUpTo(number.begin)) return;
  wrote(writeLike(room(NUMBER_ROOM), number, value));
  copied_ = number.end;
}

void TextEdits::replaceConstant(const WrittenDice& dice, int constant) {
  const bool same = dice.constant ? dice.constant->value == constant : constant == 0;
  if (same || !copyUpTo(dice.diceEnd)) return;
  char* end = room(constantRoom(original_, dice));
  writeConstant(end, original_, dice, constant);
  wrote(end);
  copied_ = dice.end;
}

std::string TextEdits::applied() const {
  if (!any_) return std::string(original_);
  std::string text(edited_.data(), length_);
  return text.append(original_.substr(copied_));
}

void TextEdits::applyTo(std::string& text) {
  if (!any_) return;
  any_ = false;
  // Edits that kept the length of the text they edited change only its first `copied_` bytes.
  if (length_ == copied_ && text.data() == original_.data() && text.size() == original_.size()) {
    writeText(text.data(), {edited_.data(), length_});
    copied_ = original_.size();
    length_ = 0;
    return;
  }
  const std::string_view rest = original_.substr(copied_);
  wrote(writeText(room(rest.size()), rest));
  copied_ = original_.size();
  // Into the text's own storage, which mostly has room: no allocation per field.
  if (length_ > text.capacity()) {
    text.clear();
    reserveExactly(text, length_);
  }
  text.assign(edited_.data(), length_);
  length_ = 0;
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
