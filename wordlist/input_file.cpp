#include "wordlist/input_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
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
