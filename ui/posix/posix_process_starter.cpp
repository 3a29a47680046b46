#include "ui/posix/posix_process_starter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace lexi {

int findProgram(const std::string& name, const char* searchPath, std::string& found) {
  if (name.empty()) return ENOENT;
  if (name.find('/') != std::string::npos) {
    if (access(name.c_str(), X_OK) != 0) return errno;
    found = name;
    return 0;
  }
  std::string_view dirs = searchPath != nullptr ? searchPath : "/bin:/usr/bin";
  int error = ENOENT;
  while (true) {
    const std::size_t colon = dirs.find(':');
    const std::string_view dir = dirs.substr(0, colon);
    std::string candidate = dir.empty() ? std::string(".") : std::string(dir);
    candidate += '/';
    candidate += name;
    struct stat info;
    if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
      if (access(candidate.c_str(), X_OK) == 0) {
        found = std::move(candidate);
        return 0;
      }
      error = EACCES;
    }
    if (colon == std::string_view::npos) return error;
    dirs.remove_prefix(colon + 1);
  }
}

namespace {

// Only async-signal-safe calls after fork(): the program may have threads.
[[noreturn]] void reportAndExit(int fd, int error) {
  _exit(write(fd, &error, sizeof error) == sizeof error ? 127 : 126);
}

}  // namespace

int PosixProcessStarter::start(const char* program, const char* argument) {
  std::string path;
  // No thread of the program changes its environment.
  // NOLINTNEXTLINE(concurrency-mt-unsafe)
  if (const int error = findProgram(program, std::getenv("PATH"), path); error != 0) return error;

  // The viewer reports a failed exec through this pipe; a successful exec
  // closes it, and the parent reads end of file.
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return errno;
  char* const argv[] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};

  const pid_t child = fork();
  if (child < 0) {
    const int error = errno;
    close(fds[0]);
    close(fds[1]);
    return error;
  }
  if (child == 0) {
    close(fds[0]);
    const pid_t viewer = fork();
    if (viewer == 0) {
      execv(path.c_str(), argv);
      reportAndExit(fds[1], errno);
    }
    if (viewer < 0) reportAndExit(fds[1], errno);
    _exit(0);
  }

  close(fds[1]);
  // The intermediate child exits at once; reaping it leaves the viewer to init.
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got = 0;
  while ((got = read(fds[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  close(fds[0]);
  return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

}  // namespace lexi
