#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace veldarin::testing {

// A fresh directory for one test's files, removed with everything in it at the end.
class ScratchDir {
 public:
  ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  ~ScratchDir();

  const std::filesystem::path& path() const { return path_; }

  // Writes the bytes to a file in the directory and returns its path.
  std::string write(const std::string& name, std::string_view content) const;

  // The whole content of a file in the directory ("" when it is missing).
  std::string read(const std::string& name) const;

  // The names of the files in the directory, sorted, each followed by a space; the program
  // runner's own .stdin, .stdout and .stderr are left out. Shows a left-over temporary file.
  std::string listing() const;

  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace veldarin::testing
