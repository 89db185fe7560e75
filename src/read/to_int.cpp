#include "read/to_int.h"

#include <cstdint>
#include <limits>

#include "monster/ascii.h"

namespace veldarin {

namespace {

constexpr std::int64_t INT_MAX_VALUE = std::numeric_limits<int>::max();
constexpr std::int64_t INT_MIN_VALUE = std::numeric_limits<int>::min();

}  // namespace

int clampToInt(std::int64_t value) {
  if (value > INT_MAX_VALUE) return static_cast<int>(INT_MAX_VALUE);
  if (value < INT_MIN_VALUE) return static_cast<int>(INT_MIN_VALUE);
  return static_cast<int>(value);
}

int toInt(std::string_view text, std::size_t pos) {
  while (pos < text.size() && isSpaceChar(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // Past INT_MAX + 1 the value is only tracked as "too large", so any digit count is safe.
  std::int64_t magnitude = 0;
  for (; pos < text.size() && isDigitChar(text[pos]); ++pos) {
    if (magnitude <= INT_MAX_VALUE) magnitude = magnitude * 10 + (text[pos] - '0');
  }
  return clampToInt(negative ? -magnitude : magnitude);
}

int saturatingAdd(int a, int b) {
  return clampToInt(static_cast<std::int64_t>(a) + static_cast<std::int64_t>(b));
}

}  // namespace veldarin
