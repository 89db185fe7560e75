#pragma once

#include <cstdint>
#include <string>

#include "read/text_source.h"

namespace veldarin {

// Reads a source line by line, each line whole whatever its length. A line keeps its newline
// (the last line may have none); a carriage return directly before the newline is dropped.
// The start of the source picks the encoding: a UTF-8 byte-order mark is dropped, a UTF-16 one
// (either byte order) makes the rest UTF-16 text, read as UTF-8; without a mark the bytes are
// read as they are.
class LineReader {
 public:
  explicit LineReader(TextSource& source) : source_(source) {}

  // The next line into `line`; false at the end of the source or on a read error.
  bool readLine(std::string& line);

  // Back to the start of the source; false when it cannot be rewound.
  bool rewind();

  // True once a read has failed for another reason than the end of the source.
  bool failed() const { return source_.failed(); }

 private:
  enum class Encoding { UNKNOWN, BYTES, UTF16_LE, UTF16_BE };

  std::size_t nextChunk(std::string& into);
  bool fill();
  bool fillFirst();
  bool fillUtf16();
  void decodeUtf16(const char* data, std::size_t size);
  void putUnit(std::uint32_t unit);
  void putCodePoint(std::uint32_t codePoint);

  TextSource& source_;
  Encoding encoding_ = Encoding::UNKNOWN;
  std::string buffer_;      // the current chunk, as UTF-8 or raw bytes
  std::string_view chunk_;  // what is left of it to read: in buffer_, or the source's own text
  bool wholeTextRead_ = false;
  std::string raw_;  // UTF-16 bytes before decoding
  std::size_t chunkSize_ = 1 << 12;
  int oddByte_ = -1;                 // first byte of a code unit split between two chunks
  std::uint32_t highSurrogate_ = 0;  // waiting for its low half
};

}  // namespace veldarin
