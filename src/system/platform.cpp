#include "system/platform.h"

#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#endif

namespace veldarin {

std::filesystem::path pathFromUtf8(std::string_view path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

#ifdef _WIN32

void prepareStandardStreams() {}

std::vector<std::string> utf8Arguments(int argc, const char* const* argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr || count != argc) {
    if (wide != nullptr) LocalFree(wide);
    arguments.assign(argv, argv + argc);
    return arguments;
  }
  for (int i = 0; i < count; ++i) {
    const std::u8string text = std::filesystem::path(wide[i]).u8string();
    arguments.emplace_back(text.begin(), text.end());
  }
  LocalFree(wide);
  return arguments;
}

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wideMode.c_str());
}

std::FILE* createNewFile(const std::filesystem::path& path) {
  const int fd =
      _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_TEXT, _S_IREAD | _S_IWRITE);
  if (fd == -1) return nullptr;
  std::FILE* file = _fdopen(fd, "w");
  if (file == nullptr) _close(fd);
  return file;
}

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

void removeFileNow(const wchar_t* path) {
  _wremove(path);
}

#else

void prepareStandardStreams() {
  std::signal(SIGPIPE, SIG_IGN);
  // Past a file-size limit a write then fails (EFBIG) instead of killing the run half-way, so
  // the summary file's own error handling keeps the old file and removes the temporary one.
  std::signal(SIGXFSZ, SIG_IGN);
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) == -1) {
      // open gives the lowest free descriptor, which is this one.
      const int opened = open("/dev/null", O_RDWR);
      if (opened != fd && opened != -1) close(opened);
    }
  }
}

std::vector<std::string> utf8Arguments(int argc, const char* const* argv) {
  return std::vector<std::string>(argv, argv + argc);
}

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

std::FILE* createNewFile(const std::filesystem::path& path) {
  const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
  if (fd == -1) return nullptr;
  std::FILE* file = fdopen(fd, "w");
  if (file == nullptr) close(fd);
  return file;
}

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return !error;
}

void removeFileNow(const char* path) {
  unlink(path);
}

#endif

}  // namespace veldarin
