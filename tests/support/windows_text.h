#pragma once

#include <string>
#include <string_view>

namespace veldarin::testing {

// An ASCII table as a Windows editor saves it as "Unicode": a UTF-16 little-endian byte-order
// mark, then every character as two bytes, with CR LF line ends.
inline std::string unicodeFile(std::string_view ascii) {
  std::string bytes = "\xFF\xFE";
  for (const char c : ascii) {
    if (c == '\n') bytes += std::string("\r\0", 2);
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

}  // namespace veldarin::testing
