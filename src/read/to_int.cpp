#include "read/to_int.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "monster/ascii.h"

namespace veldarin {

namespace {

constexpr std::int64_t INT_MAX_VALUE = std::numeric_limits<int>::max();

constexpr std::string_view EN_DASH = "\xE2\x80\x93";
constexpr std::string_view MINUS_SIGN = "\xE2\x88\x92";

}  // namespace

std::size_t signAt(std::string_view text, std::size_t pos, bool& negative) {
  negative = false;
  if (pos >= text.size()) return 0;
  if (text[pos] == '+') return 1;
  if (text[pos] == '-') {
    negative = true;
    return 1;
  }
  const std::string_view rest = text.substr(pos);
  if (rest.starts_with(EN_DASH) || rest.starts_with(MINUS_SIGN)) {
    negative = true;
    return EN_DASH.size();
  }
  return 0;
}

std::size_t signBefore(std::string_view text, std::size_t pos) {
  const std::string_view before = text.substr(0, std::min(pos, text.size()));
  if (before.ends_with('+') || before.ends_with('-')) return 1;
  if (before.ends_with(EN_DASH) || before.ends_with(MINUS_SIGN)) return EN_DASH.size();
  return 0;
}

int abilityModifier(int score) {
  const std::int64_t above = static_cast<std::int64_t>(score) - 10;
  return static_cast<int>(above >= 0 ? above / 2 : -((1 - above) / 2));
}

std::string signedText(int value) {
  return (value < 0 ? "" : "+") + std::to_string(value);
}

int toInt(std::string_view text, std::size_t pos) {
  while (pos < text.size() && isSpaceChar(text[pos])) ++pos;
  bool negative = false;
  pos += signAt(text, pos, negative);
  // Past INT_MAX + 1 the value is only tracked as "too large", so any digit count is safe.
  std::int64_t magnitude = 0;
  for (; pos < text.size() && isDigitChar(text[pos]); ++pos) {
    if (magnitude <= INT_MAX_VALUE) magnitude = magnitude * 10 + (text[pos] - '0');
  }
  return clampToInt(negative ? -magnitude : magnitude);
}

}  // namespace veldarin
