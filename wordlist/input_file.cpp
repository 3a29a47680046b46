#include "wordlist/input_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <windows.h>

#include <cstdlib>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lexi {

namespace {

#ifdef _WIN32
int openRead(const char* path) {
  return ::_wopen(wideFromUtf8(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}
long readFd(int fd, char* buffer, std::size_t size) {
  // _read takes an unsigned int count.
  const unsigned int chunk = size > 0x40000000u ? 0x40000000u : static_cast<unsigned int>(size);
  return ::_read(fd, buffer, chunk);
}
long readFdAt(int fd, char* buffer, std::size_t size, std::uint64_t offset) {
  // A read at an offset, which the runtime lacks: the system's own, on the
  // runtime's handle. It moves the file's place as well.
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
  DWORD got = 0;
  const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
  if (::ReadFile(handle, buffer, chunk, &got, &at)) return static_cast<long>(got);
  if (::GetLastError() == ERROR_HANDLE_EOF) return 0;
  errno = EIO;
  return -1;
}
void seekToStart(int fd) {
  ::_lseeki64(fd, 0, SEEK_SET);
}
void closeFd(int fd) {
  ::_close(fd);
}
std::uint64_t regularFileSize(int fd) {
  struct _stat64 status {};
  if (::_fstat64(fd, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG) return 0;
  return status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
}
constexpr int kStandardInput = 0;
// Standard input is in text mode by default: LineReader does that work itself.
void useBinaryMode(int fd) {
  ::_setmode(fd, _O_BINARY);
}
#else
int openRead(const char* path) {
  return ::open(path, O_RDONLY | O_CLOEXEC);
}
long readFd(int fd, char* buffer, std::size_t size) {
  return ::read(fd, buffer, size);
}
long readFdAt(int fd, char* buffer, std::size_t size, std::uint64_t offset) {
  return ::pread(fd, buffer, size, static_cast<off_t>(offset));
}
void seekToStart(int fd) {
  ::lseek(fd, 0, SEEK_SET);
}
void closeFd(int fd) {
  ::close(fd);
}
std::uint64_t regularFileSize(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return 0;
  return status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
}
constexpr int kStandardInput = STDIN_FILENO;
void useBinaryMode(int) {}
#endif

// A read, again as long as a signal interrupts it; on failure, `error` holds why.
template <class Read>
long retried(const Read& read, int& error) {
  long got;
  do {
    errno = 0;
    got = read();
  } while (got < 0 && errno == EINTR);
  if (got < 0) error = errno != 0 ? errno : EIO;
  return got;
}

}  // namespace

#ifdef _WIN32
std::wstring wideFromUtf8(std::string_view text) {
  // UTF-16 takes no more units than UTF-8 takes bytes.
  std::wstring wide(text.size(), L'\0');
  const int units = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                          wide.data(), static_cast<int>(wide.size()));
  wide.resize(units > 0 ? static_cast<std::size_t>(units) : 0);
  return wide;
}

std::string utf8FromWide(std::wstring_view text) {
  const int units = static_cast<int>(text.size());
  const int size =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
  std::string utf8(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), units, utf8.data(), size, nullptr, nullptr);
  return utf8;
}
#endif

int InputFile::open(const char* path) {
  close();
  int fd;
  do {
    fd = openRead(path);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return errno != 0 ? errno : EIO;
  fd_ = fd;
  owned_ = true;
  return 0;
}

void InputFile::useStandardInput() {
  close();
  fd_ = kStandardInput;
  owned_ = false;
  useBinaryMode(fd_);
}

std::uint64_t InputFile::size() const {
  return fd_ >= 0 ? regularFileSize(fd_) : 0;
}

long InputFile::readSome(char* buffer, std::size_t size, int& error) {
  return retried([&] { return readFd(fd_, buffer, size); }, error);
}

long InputFile::readAt(char* buffer, std::size_t size, std::uint64_t offset, int& error) {
  return retried([&] { return readFdAt(fd_, buffer, size, offset); }, error);
}

void InputFile::rewind() {
  if (fd_ >= 0) seekToStart(fd_);
}

void InputFile::close() {
  if (fd_ >= 0 && owned_) closeFd(fd_);
  fd_ = -1;
  owned_ = false;
}

#ifdef _WIN32
std::string currentDirectory() {
  wchar_t* directory = ::_wgetcwd(nullptr, 0);
  if (directory == nullptr) return {};
  std::string path = utf8FromWide(directory);
  std::free(directory);
  return path;
}

std::string joinPath(const std::string& directory, const std::string& name) {
  const auto separator = [](char c) { return c == '\\' || c == '/'; };
  // "\\server\share\x", "\x" and "C:\x" (or "C:x") name the file without the directory.
  const bool absolute =
      (!name.empty() && separator(name[0])) || (name.size() >= 2 && name[1] == ':');
  if (absolute || directory.empty()) return name;
  // A drive's root, "C:\", ends with its separator already.
  return separator(directory.back()) ? directory + name : directory + '\\' + name;
}

std::string folderOf(std::string_view path) {
  const std::size_t end = path.find_last_of("/\\:");
  return std::string(path.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

std::string besideProgram(std::string_view relative) {
  std::wstring program(32768, L'\0');  // the longest path the system knows
  const DWORD size = ::GetModuleFileNameW(nullptr, program.data(), 32768);
  if (size == 0 || size >= 32768) return {};
  program.resize(size);
  return joinPath(folderOf(utf8FromWide(program)), std::string(relative));
}
#else
std::string folderOf(std::string_view path) {
  const std::size_t end = path.rfind('/');
  return std::string(path.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

std::string currentDirectory() {
  std::error_code failure;
  std::filesystem::path directory = std::filesystem::current_path(failure);
  if (failure) return {};
  return directory.string();
}

std::string joinPath(const std::string& directory, const std::string& name) {
  return (std::filesystem::path(directory) / std::filesystem::path(name)).string();
}

std::string besideProgram(std::string_view relative) {
  std::error_code failure;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failure);
  if (failure) return {};
  return (program.parent_path() / relative).lexically_normal().string();
}
#endif

}  // namespace lexi
