#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The few calls that differ between POSIX and Windows; everything else is standard C++.
namespace veldarin {

// Makes a console that cannot be written harmless: SIGPIPE (and SIGXFSZ, so that a file-size
// limit fails a write rather than the process) is ignored, and on POSIX a closed standard
// descriptor is opened on /dev/null so that no file of the run can take its number.
void prepareStandardStreams();

// The arguments as UTF-8 (on Windows read from the wide command line, whatever the code page).
std::vector<std::string> utf8Arguments(int argc, const char* const* argv);

// A UTF-8 path as the file system's path type.
std::filesystem::path pathFromUtf8(std::string_view path);

// fopen that takes any path the file system can name. Text mode ("w") writes CR LF line ends
// on Windows.
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

// Creates a file that does not exist yet and opens it for writing in text mode; null when the
// name is taken or the file cannot be created.
std::FILE* createNewFile(const std::filesystem::path& path);

// Puts `from` in the place of `to`, replacing it in one step.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes a file without allocating, for the out-of-memory stop.
void removeFileNow(const std::filesystem::path::value_type* path);

}  // namespace veldarin
