#include "read/text_source.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "system/platform.h"

namespace veldarin {

FileSource::~FileSource() {
  if (file_ != nullptr) std::fclose(file_);
}

bool FileSource::open(const std::string& path) {
  // fopen accepts a directory for reading on some systems, and only the first read fails.
  std::error_code error;
  const std::filesystem::path name = pathFromUtf8(path);
  if (path.empty() || std::filesystem::is_directory(name, error)) return false;
  file_ = openFile(name, "rb");
  return file_ != nullptr;
}

std::size_t FileSource::read(char* buffer, std::size_t size) {
  return std::fread(buffer, 1, size, file_);
}

bool FileSource::failed() const {
  return std::ferror(file_) != 0;
}

bool FileSource::rewind() {
  if (std::fseek(file_, 0, SEEK_SET) != 0) return false;
  std::clearerr(file_);
  return true;
}

std::size_t MemorySource::read(char* buffer, std::size_t size) {
  const std::size_t n = std::min(size, text_.size() - at_);
  if (n > 0) std::memcpy(buffer, text_.data() + at_, n);
  at_ += n;
  return n;
}

bool MemorySource::rewind() {
  at_ = 0;
  return true;
}

}  // namespace veldarin
