#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veldarin {

// The sign at `pos`: "+" or "-", or the en dash "–" and minus "−" that published text writes
// for "-". Returns its length in bytes (0 for none) and sets `negative`.
std::size_t signAt(std::string_view text, std::size_t pos, bool& negative);

// The length in bytes of a sign (as signAt reads them) that ends just before `pos`; 0 for none.
std::size_t signBefore(std::string_view text, std::size_t pos);

// Reads a decimal integer from `pos` on: white space is skipped, one optional sign taken, then
// digits up to the first other character. No digits (or pos past the end) give 0; values
// beyond the signed 32-bit range saturate at its bounds.
int toInt(std::string_view text, std::size_t pos = 0);

// The value clamped to the signed 32-bit range.
inline int clampToInt(std::int64_t value) {
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int>(value);
}

// A fifth-edition ability modifier: (score - 10) / 2, rounded down.
int abilityModifier(int score);

// A bonus as printed: "+2", "-1", "+0".
std::string signedText(int value);

// Adds with saturation at the signed 32-bit bounds; inline, as the templates add many.
inline int saturatingAdd(int a, int b) {
  return clampToInt(static_cast<std::int64_t>(a) + static_cast<std::int64_t>(b));
}

}  // namespace veldarin
