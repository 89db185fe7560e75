#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <streambuf>
#include <string>

namespace veldarin {

// The file calls the summary file goes through; tests swap one to make it fail.
struct FileCalls {
  std::FILE* (*create)(const std::filesystem::path& path);  // a new file only, never an old one
  std::size_t (*write)(const char* data, std::size_t size, std::FILE* file);
  int (*close)(std::FILE* file);
  bool (*replace)(const std::filesystem::path& from, const std::filesystem::path& to);
};

const FileCalls& systemFileCalls();

// The output file of one run. A regular file (or a link to one) is written to a new
// temporary file beside it that replaces it only once everything was written and closed, so
// a failed run leaves the old file as it was; a device, a pipe, or a file in a folder where
// nothing new may be created is written in place.
class SummaryFile : private std::streambuf {
 public:
  explicit SummaryFile(const FileCalls& calls) : calls_(calls) {}
  SummaryFile(const SummaryFile&) = delete;
  SummaryFile& operator=(const SummaryFile&) = delete;
  ~SummaryFile() override;

  // False when the path cannot be written at all (a missing folder, a folder, an empty path).
  bool open(const std::string& path);

  // Where the summary is written; unbuffered, so every write reaches calls.write.
  std::streambuf* buffer() { return this; }

  // Closes the file and puts it in place; false, with the old file unchanged, when a write
  // failed (`written` false), the close failed or the replacement failed.
  bool commit(bool written);

 private:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* data, std::streamsize size) override;

  bool openInPlace(const std::filesystem::path& path);
  bool openTemporary(const std::filesystem::path& target);
  void discardTemporary();

  const FileCalls& calls_;
  std::FILE* file_ = nullptr;
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  bool existed_ = false;
  std::filesystem::perms permissions_ = std::filesystem::perms::none;
};

}  // namespace veldarin
