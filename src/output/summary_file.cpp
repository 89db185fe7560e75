#include "output/summary_file.h"

#include <chrono>
#include <system_error>

#include "system/allocation.h"
#include "system/platform.h"

namespace veldarin {

namespace fs = std::filesystem;

namespace {

constexpr int NAME_ATTEMPTS = 100;

std::size_t systemWrite(const char* data, std::size_t size, std::FILE* file) {
  return std::fwrite(data, 1, size, file);
}

// The temporary file of the write in progress, for the out-of-memory stop to remove.
std::FILE* pendingFile = nullptr;
const fs::path* pendingPath = nullptr;

void removePending() {
  if (pendingFile != nullptr) std::fclose(pendingFile);
  if (pendingPath != nullptr) removeFileNow(pendingPath->c_str());
  pendingFile = nullptr;
  pendingPath = nullptr;
}

// ".summary.txt.veldarin-482913057.tmp": hidden, and a name no user file is likely to have.
fs::path temporaryName(const fs::path& target, int attempt) {
  const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
  const auto suffix = static_cast<unsigned long long>(tick) + static_cast<unsigned>(attempt);
  fs::path name = target.filename();
  name += ".veldarin-" + std::to_string(suffix % 1000000007ULL) + ".tmp";
  return target.parent_path() / fs::path(".").concat(name.native());
}

}  // namespace

const FileCalls& systemFileCalls() {
  static const FileCalls calls{createNewFile, systemWrite, std::fclose, replaceFile};
  return calls;
}

SummaryFile::~SummaryFile() {
  if (file_ != nullptr) calls_.close(file_);
  file_ = nullptr;
  discardTemporary();
}

bool SummaryFile::open(const std::string& path) {
  if (path.empty()) return false;
  const fs::path given = pathFromUtf8(path);
  std::error_code error;
  const fs::file_status status = fs::status(given, error);
  if (fs::is_directory(status)) return false;
  const bool link = fs::is_symlink(fs::symlink_status(given, error));
  // A link to nothing is written through, as it always was.
  if (!fs::exists(status)) return link ? openInPlace(given) : openTemporary(given);
  if (!fs::is_regular_file(status)) return openInPlace(given);
  existed_ = true;
  permissions_ = status.permissions();
  // A link stays a link: its target is what gets replaced.
  const fs::path target = link ? fs::canonical(given, error) : given;
  if (link && error) return openInPlace(given);
  return openTemporary(target) || openInPlace(given);
}

bool SummaryFile::openInPlace(const fs::path& path) {
  file_ = openFile(path, "w");
  return file_ != nullptr;
}

bool SummaryFile::openTemporary(const fs::path& target) {
  for (int attempt = 0; attempt < NAME_ATTEMPTS; ++attempt) {
    fs::path name = temporaryName(target, attempt);
    file_ = calls_.create(name);
    if (file_ != nullptr) {
      // Registered before anything else may allocate, so the out-of-memory stop removes it.
      temporary_ = std::move(name);
      pendingFile = file_;
      pendingPath = &temporary_;
      setOutOfMemoryCleanup(removePending);
      target_ = target;
      return true;
    }
    std::error_code error;
    if (!fs::exists(fs::symlink_status(name, error))) return false;
  }
  return false;
}

void SummaryFile::discardTemporary() {
  if (temporary_.empty()) return;
  std::error_code error;
  fs::remove(temporary_, error);
  temporary_.clear();
  pendingFile = nullptr;
  pendingPath = nullptr;
}

bool SummaryFile::commit(bool written) {
  const bool closed = calls_.close(file_) == 0;
  file_ = nullptr;
  pendingFile = nullptr;
  if (temporary_.empty()) return written && closed;
  if (!written || !closed) {
    discardTemporary();
    return false;
  }
  std::error_code error;
  if (existed_) fs::permissions(temporary_, permissions_, error);
  if (!calls_.replace(temporary_, target_)) {
    discardTemporary();
    return false;
  }
  temporary_.clear();
  pendingPath = nullptr;
  return true;
}

SummaryFile::int_type SummaryFile::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  return calls_.write(&byte, 1, file_) == 1 ? c : traits_type::eof();
}

std::streamsize SummaryFile::xsputn(const char* data, std::streamsize size) {
  if (size == 0) return 0;
  return static_cast<std::streamsize>(calls_.write(data, static_cast<std::size_t>(size), file_));
}

}  // namespace veldarin
