#include "wordlist/input_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lexi {

namespace {

#ifdef _WIN32
int openRead(const char* path) {
  return ::_open(path, _O_RDONLY | _O_BINARY);
}
long readFd(int fd, char* buffer, std::size_t size) {
  // _read takes an unsigned int count.
  const unsigned int chunk = size > 0x40000000u ? 0x40000000u : static_cast<unsigned int>(size);
  return ::_read(fd, buffer, chunk);
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
#else
int openRead(const char* path) {
  return ::open(path, O_RDONLY | O_CLOEXEC);
}
long readFd(int fd, char* buffer, std::size_t size) {
  return ::read(fd, buffer, size);
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
#endif

}  // namespace

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
}

std::uint64_t InputFile::size() const {
  return fd_ >= 0 ? regularFileSize(fd_) : 0;
}

long InputFile::readSome(char* buffer, std::size_t size, int& error) {
  long got;
  do {
    errno = 0;
    got = readFd(fd_, buffer, size);
  } while (got < 0 && errno == EINTR);
  if (got < 0) error = errno != 0 ? errno : EIO;
  return got;
}

void InputFile::close() {
  if (fd_ >= 0 && owned_) closeFd(fd_);
  fd_ = -1;
  owned_ = false;
}

void adviseLargeBlock(void* block, std::size_t size) {
#if defined(MADV_HUGEPAGE)
  // Whole large pages only: below two of them there is nothing to gain.
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  if (size < 2 * kLargePage) return;
  const auto start = reinterpret_cast<std::uintptr_t>(block);
  const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t last = (start + size) & ~(kLargePage - 1);
  // Advice only: a system that declines it still serves the memory.
  ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
  (void)block;
  (void)size;
#endif
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

}  // namespace lexi
