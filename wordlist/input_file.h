// InputFile: the few file and directory calls the core needs, kept behind small
// functions so that the rest of the core is plain standard C++ on every platform.
//
// Files are read as raw bytes (binary mode); LineReader does the text-mode work.
// Paths are bytes as the system gives them on POSIX systems, and UTF-8 on
// Windows, where the system's wide calls take and give them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lexi {

class InputFile {
 public:
  InputFile() = default;
  ~InputFile() { close(); }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Opens `path` for reading. Returns 0, or the error number of the failure.
  int open(const char* path);

  // Reads from standard input instead of a file (it is not closed).
  void useStandardInput();

  // The file's size when it is a regular file, else 0 (a pipe, a terminal, a
  // device): a hint, since a file may grow or shrink while it is read.
  std::uint64_t size() const;

  // Reads up to `size` bytes, returning as soon as some are available, so that
  // a line typed on a terminal is seen at once. Returns the number of bytes read,
  // 0 at the end, or -1 with `error` set to the error number.
  long readSome(char* buffer, std::size_t size, int& error);

  // Reads up to `size` bytes from `offset` of a regular file, leaving the place
  // that readSome() reads from alone on POSIX systems and not on Windows (see
  // rewind()); two threads may read different parts at once. Returns as readSome().
  long readAt(char* buffer, std::size_t size, std::uint64_t offset, int& error);

  // Makes readSome() read from the start of a regular file again.
  void rewind();

  void close();

 private:
  int fd_ = -1;
  bool owned_ = false;
};

// The current directory, or an empty string when it cannot be found (it was
// removed while the program ran in it, say).
std::string currentDirectory();

// The path `relative` names from the folder of the running program, or empty
// when the system cannot tell where the program is. On Linux that folder is
// where the program's file truly lies, whatever link started it.
std::string besideProgram(std::string_view relative);

#ifdef _WIN32
// Text as the programs keep it, UTF-8, and as the system's wide calls take and
// give it, UTF-16: names of folders and files, and messages, so that a name
// with any character is the one opened and the one a message shows (the ANSI
// calls would give a look-alike, 'o' for 'ő').
std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);
#endif

// `name` as seen from `directory`: joined with the platform's separator, which is
// not doubled when `directory` already ends with one; an absolute `name`, or an
// empty `directory`, leaves `name` as it is.
std::string joinPath(const std::string& directory, const std::string& name);

// The folder part of `path`, up to and with its last separator (on Windows
// also a drive's colon), so that a name appended to it lies beside the file;
// empty for a bare name.
std::string folderOf(std::string_view path);

}  // namespace lexi
