#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace veldarin {

// Where the loader's bytes come from: a file for the program, memory for the page and the
// fuzzer, a failing double for the tests of read errors.
class TextSource {
 public:
  virtual ~TextSource() = default;

  // Up to `size` bytes into `buffer`; 0 at the end or on an error (see failed()).
  virtual std::size_t read(char* buffer, std::size_t size) = 0;

  // True once a read has failed for another reason than the end.
  virtual bool failed() const = 0;

  // Back to the first byte; false when that is not possible (a pipe).
  virtual bool rewind() = 0;

  // The whole text at once when it is already in memory, so that it need not be copied.
  virtual bool wholeText(std::string_view& text) const {
    (void)text;
    return false;
  }
};

class FileSource : public TextSource {
 public:
  FileSource() = default;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;
  ~FileSource() override;

  // False when the path cannot be opened for reading (a directory included).
  bool open(const std::string& path);

  std::size_t read(char* buffer, std::size_t size) override;
  bool failed() const override;
  bool rewind() override;

 private:
  std::FILE* file_ = nullptr;
};

// Reads a text that the caller keeps alive.
class MemorySource : public TextSource {
 public:
  explicit MemorySource(std::string_view text) : text_(text) {}

  std::size_t read(char* buffer, std::size_t size) override;
  bool failed() const override { return false; }
  bool rewind() override;
  bool wholeText(std::string_view& text) const override {
    text = text_;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace veldarin
