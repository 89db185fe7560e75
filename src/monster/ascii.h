#pragma once

namespace veldarin {

// Byte classes and case changes that touch only the ASCII letters, whatever the locale.

inline bool isSpaceChar(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool isDigitChar(char c) {
  return c >= '0' && c <= '9';
}

inline bool isLowerChar(char c) {
  return c >= 'a' && c <= 'z';
}

inline bool isUpperChar(char c) {
  return c >= 'A' && c <= 'Z';
}

inline bool isLetterChar(char c) {
  return isLowerChar(c) || isUpperChar(c);
}

// A UTF-8 byte that continues a character (10xxxxxx).
inline bool isContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

inline char toLowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline char toUpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace veldarin
