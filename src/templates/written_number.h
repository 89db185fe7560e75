#pragma once

#include <array>
#include <charconv>
#include <climits>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>

#include "monster/ascii.h"
#include "read/to_int.h"

// Reading and writing one number or die expression of a field's text. All of it is inline, as a
// bestiary's templates read and write hundreds of thousands of them.
namespace veldarin {

// A number as written: its sign ("", "+", "-", the en dash or the minus sign) and digits.
struct WrittenNumber {
  std::size_t begin = 0;  // the sign, or the first digit
  std::size_t end = 0;    // past the last digit
  std::string_view sign;
  int value = 0;  // saturated
};

// A die expression "NdX", "NdX+k" or "NdX + k" (the constant is digits not followed by "d").
struct WrittenDice {
  std::size_t begin = 0;  // the count's first digit
  std::size_t countEnd = 0;
  std::size_t diceEnd = 0;
  std::size_t end = 0;  // past the constant, or diceEnd without one
  int count = 0;
  int sides = 0;
  std::optional<WrittenNumber> constant;  // its sign, which may stand apart: "2d6 + 3"
  std::string_view gap;                   // the spaces between the dice and the sign
};

// The number whose sign or first digit stands at `pos`; none unless digits follow.
inline std::optional<WrittenNumber> numberAt(std::string_view text, std::size_t pos);

// The first number that begins at or after `pos`, not inside a word or another number: a sign
// or digit after a letter, digit or "/" does not begin one. With `signedOnly`, a number
// without a sign is passed over.
inline std::optional<WrittenNumber> nextNumber(std::string_view text, std::size_t pos,
                                               bool signedOnly = false);

// The first die expression that begins at or after `pos`.
inline std::optional<WrittenDice> nextDice(std::string_view text, std::size_t pos);

// The steps of reading and writing one number or die expression.
namespace written {

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

inline char* writeText(char* out, std::string_view text) {
  return text.empty()
             ? out
             : static_cast<char*>(std::memcpy(out, text.data(), text.size())) + text.size();
}

// The value written as the number was: a sign where it had one ("+" for zero and above, its
// own dash below zero, "-" when it had "+"), none where it had none ("-" below zero).
inline char* writeLike(char* out, const WrittenNumber& number, int value) {
  if (value < 0) {
    const bool dash = !number.sign.empty() && number.sign != "+";
    out = writeText(out, dash ? number.sign : "-");
  } else if (!number.sign.empty()) {
    *out++ = '+';
  }
  return writeMagnitude(out, value);
}

// The bytes that may begin a number: digits, "+", "-" and the dashes' first byte, told by a table
// as most bytes of a text are none of them.
inline constexpr std::array<bool, 256> NUMBER_STARTS = [] {
  std::array<bool, 256> starts{};
  for (char c = '0'; c <= '9'; ++c) starts[static_cast<unsigned char>(c)] = true;
  starts['+'] = starts['-'] = starts[0xE2] = true;
  return starts;
}();

inline bool mayBeginNumber(char c) {
  return NUMBER_STARTS[static_cast<unsigned char>(c)];
}

// "+", "-" and the dashes' first byte.
inline bool mayBeginSign(char c) {
  return c == '+' || c == '-' || c == '\xE2';
}

// The end of the digits from `begin`, and their value, which past the 32-bit range only needs to
// stay too large, so that reading stops there; one pass for both.
inline std::size_t readDigits(std::string_view text, std::size_t begin, long long& value) {
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
inline bool breaksBefore(std::string_view text, std::size_t pos) {
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

// The die expression whose count begins at `pos` (inside the text), not inside a word or another
// number, into `dice`; false, with `dice` spoiled, when none begins there.
inline bool readDice(std::string_view text, std::size_t pos, WrittenDice& dice) {
  if (!isDigitChar(text[pos]) || !breaksBefore(text, pos)) return false;
  long long count = 0;
  const std::size_t countEnd = readDigits(text, pos, count);
  if (countEnd + 1 >= text.size() || text[countEnd] != 'd' || !isDigitChar(text[countEnd + 1])) {
    return false;
  }
  dice.begin = pos;
  dice.countEnd = countEnd;
  dice.count = signedValue(false, count);
  long long sides = 0;
  dice.diceEnd = dice.end = readDigits(text, countEnd + 1, sides);
  dice.sides = signedValue(false, sides);
  dice.constant.reset();
  dice.gap = {};
  std::size_t sign = dice.diceEnd;
  while (sign < text.size() && text[sign] == ' ') ++sign;
  bool negative = false;
  const std::size_t signSize = signLength(text, sign, negative);
  if (signSize == 0) return true;
  std::size_t digits = sign + signSize;
  while (digits < text.size() && text[digits] == ' ') ++digits;
  long long value = 0;
  const std::size_t end = readDigits(text, digits, value);
  // "2d6+1d4" adds dice, not a constant.
  if (end > digits && (end == text.size() || text[end] != 'd')) {
    const int magnitude = signedValue(false, value);
    dice.constant =
        WrittenNumber{sign, end, text.substr(sign, signSize), negative ? -magnitude : magnitude};
    dice.gap = text.substr(dice.diceEnd, sign - dice.diceEnd);
    dice.end = end;
  }
  return true;
}

}  // namespace written

inline std::optional<WrittenNumber> numberAt(std::string_view text, std::size_t pos) {
  std::optional<WrittenNumber> number;
  if (!written::readNumber(text, pos, number.emplace())) number.reset();
  return number;
}

inline std::optional<WrittenNumber> nextNumber(std::string_view text, std::size_t pos,
                                               bool signedOnly) {
  // Read into the one object returned, so that it is built in the caller's place.
  std::optional<WrittenNumber> number;
  WrittenNumber& found = number.emplace();
  for (std::size_t at = pos; at < text.size(); ++at) {
    // No number begins right after a digit, so a signed one needs only the signs looked at.
    const char c = text[at];
    const bool starts = signedOnly ? written::mayBeginSign(c) : written::mayBeginNumber(c);
    if (starts && written::breaksBefore(text, at) && written::readNumber(text, at, found)) {
      return number;
    }
  }
  number.reset();
  return number;
}

inline std::optional<WrittenDice> nextDice(std::string_view text, std::size_t pos) {
  // Read into the one object returned, so that it is built in the caller's place.
  std::optional<WrittenDice> found;
  WrittenDice& dice = found.emplace();
  for (std::size_t at = pos; at < text.size(); ++at) {
    if (written::readDice(text, at, dice)) return found;
  }
  found.reset();
  return found;
}

}  // namespace veldarin
