#include "monster/line_reader.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace veldarin {

namespace {

constexpr std::size_t CHUNK_SIZE = 1 << 16;

}  // namespace

LineReader::~LineReader() {
  if (file_ != nullptr) std::fclose(file_);
}

bool LineReader::open(const std::string& path) {
  // fopen accepts a directory for reading on some systems, and only the first read fails.
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) return false;
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) return false;
  buffer_.resize(CHUNK_SIZE);
  return true;
}

bool LineReader::fill() {
  begin_ = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  if (end_ == 0 && std::ferror(file_)) failed_ = true;
  return end_ > 0;
}

bool LineReader::readLine(std::string& line) {
  line.clear();
  bool any = false;
  while (true) {
    if (begin_ == end_ && !fill()) break;
    any = true;
    const char* start = buffer_.data() + begin_;
    const void* newline = std::memchr(start, '\n', end_ - begin_);
    if (newline == nullptr) {
      line.append(start, end_ - begin_);
      begin_ = end_;
      continue;
    }
    const std::size_t length = static_cast<const char*>(newline) - start + 1;
    line.append(start, length);
    begin_ += length;
    if (line.size() >= 2 && line[line.size() - 2] == '\r') line.erase(line.size() - 2, 1);
    return true;
  }
  return any;
}

bool LineReader::rewind() {
  begin_ = end_ = 0;
  if (std::fseek(file_, 0, SEEK_SET) != 0) return false;
  std::clearerr(file_);
  return true;
}

}  // namespace veldarin
