#pragma once

#include <cstdio>
#include <string>

namespace veldarin {

// Reads a file line by line, each line whole whatever its length. A line keeps its newline
// (the last line may have none); a carriage return directly before the newline is dropped.
class LineReader {
 public:
  LineReader() = default;
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;
  ~LineReader();

  // False when the path cannot be opened for reading (a directory included).
  bool open(const std::string& path);

  // The next line into `line`; false at the end of the file or on a read error.
  bool readLine(std::string& line);

  // Back to the start of the file; false when the file cannot be rewound.
  bool rewind();

  // True once a read has failed for another reason than the end of the file.
  bool failed() const { return failed_; }

 private:
  bool fill();

  std::FILE* file_ = nullptr;
  std::string buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool failed_ = false;
};

}  // namespace veldarin
