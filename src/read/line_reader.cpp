#include "read/line_reader.h"

#include <string_view>

#include "monster/utf8.h"

namespace veldarin {

namespace {

constexpr std::size_t CHUNK_SIZE = 1 << 16;
constexpr std::uint32_t REPLACEMENT = 0xFFFD;
constexpr std::string_view UTF8_MARK = "\xEF\xBB\xBF";
constexpr std::string_view UTF16_LE_MARK = "\xFF\xFE";
constexpr std::string_view UTF16_BE_MARK = "\xFE\xFF";

}  // namespace

// Small first, so a short table costs little, then larger up to CHUNK_SIZE. The buffer only
// grows, so no chunk pays for clearing memory twice.
std::size_t LineReader::nextChunk(std::string& into) {
  const std::size_t size = chunkSize_;
  if (chunkSize_ < CHUNK_SIZE) chunkSize_ *= 2;
  if (into.size() < size) into.resize(size);
  return size;
}

bool LineReader::fill() {
  chunk_ = {};
  switch (encoding_) {
    case Encoding::UNKNOWN:
      return fillFirst();
    case Encoding::BYTES: {
      if (wholeTextRead_) return false;
      const std::size_t capacity = nextChunk(buffer_);
      chunk_ = std::string_view(buffer_.data(), source_.read(buffer_.data(), capacity));
      return !chunk_.empty();
    }
    case Encoding::UTF16_LE:
    case Encoding::UTF16_BE:
      return fillUtf16();
  }
  return false;
}

// The first chunk, long enough to hold any mark, decides the encoding.
bool LineReader::fillFirst() {
  std::string_view whole;
  if (source_.wholeText(whole) && !whole.starts_with(UTF16_LE_MARK) &&
      !whole.starts_with(UTF16_BE_MARK)) {
    encoding_ = Encoding::BYTES;
    wholeTextRead_ = true;
    if (whole.starts_with(UTF8_MARK)) whole.remove_prefix(UTF8_MARK.size());
    chunk_ = whole;
    return !chunk_.empty();
  }
  const std::size_t capacity = nextChunk(buffer_);
  std::size_t size = 0;
  while (size < UTF8_MARK.size()) {
    const std::size_t got = source_.read(buffer_.data() + size, capacity - size);
    if (got == 0) break;
    size += got;
  }
  const std::string_view start(buffer_.data(), size);
  if (start.starts_with(UTF16_LE_MARK) || start.starts_with(UTF16_BE_MARK)) {
    encoding_ = start.starts_with(UTF16_LE_MARK) ? Encoding::UTF16_LE : Encoding::UTF16_BE;
    raw_.assign(start.substr(UTF16_LE_MARK.size()));
    buffer_.clear();
    decodeUtf16(raw_.data(), raw_.size());
    chunk_ = buffer_;
    return !chunk_.empty() || fillUtf16();
  }
  encoding_ = Encoding::BYTES;
  chunk_ = start.substr(start.starts_with(UTF8_MARK) ? UTF8_MARK.size() : 0);
  return !chunk_.empty() || (size > 0 && fill());
}

bool LineReader::fillUtf16() {
  buffer_.clear();
  const std::size_t capacity = nextChunk(raw_);
  while (buffer_.empty()) {
    const std::size_t got = source_.read(raw_.data(), capacity);
    if (got == 0) {
      // What is left unpaired at the end stands for one replacement character each.
      if (highSurrogate_ != 0) putCodePoint(REPLACEMENT);
      if (oddByte_ >= 0) putCodePoint(REPLACEMENT);
      highSurrogate_ = 0;
      oddByte_ = -1;
      break;
    }
    decodeUtf16(raw_.data(), got);
  }
  chunk_ = buffer_;
  return !chunk_.empty();
}

void LineReader::decodeUtf16(const char* data, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(data[i]);
    if (oddByte_ < 0) {
      oddByte_ = byte;
      continue;
    }
    const auto first = static_cast<std::uint32_t>(oddByte_);
    oddByte_ = -1;
    putUnit(encoding_ == Encoding::UTF16_LE ? (byte << 8) | first : (first << 8) | byte);
  }
}

void LineReader::putUnit(std::uint32_t unit) {
  const bool high = unit >= 0xD800 && unit <= 0xDBFF;
  const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
  if (highSurrogate_ != 0) {
    if (low) {
      putCodePoint(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
      highSurrogate_ = 0;
      return;
    }
    putCodePoint(REPLACEMENT);
    highSurrogate_ = 0;
  }
  if (high) {
    highSurrogate_ = unit;
  } else {
    putCodePoint(low ? REPLACEMENT : unit);
  }
}

void LineReader::putCodePoint(std::uint32_t c) {
  appendUtf8(buffer_, c);
}

bool LineReader::readLine(std::string& line) {
  line.clear();
  bool any = false;
  while (true) {
    if (chunk_.empty() && !fill()) break;
    any = true;
    const std::size_t newline = chunk_.find('\n');
    if (newline == std::string_view::npos) {
      line.append(chunk_);
      chunk_ = {};
      continue;
    }
    line.append(chunk_.substr(0, newline + 1));
    chunk_.remove_prefix(newline + 1);
    if (line.size() >= 2 && line[line.size() - 2] == '\r') line.erase(line.size() - 2, 1);
    return true;
  }
  return any;
}

bool LineReader::rewind() {
  chunk_ = {};
  wholeTextRead_ = false;
  encoding_ = Encoding::UNKNOWN;
  oddByte_ = -1;
  highSurrogate_ = 0;
  return source_.rewind();
}

}  // namespace veldarin
