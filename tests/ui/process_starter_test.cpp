#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "tests/core/test_support.h"
#include "ui/posix/posix_process_starter.h"

namespace lexi {
namespace {

using testing_only::ScratchDirectory;

std::string makeProgram(const ScratchDirectory& dir, const std::string& name,
                        const std::string& script, mode_t mode) {
  const std::string path = dir.write(name, "#!/bin/sh\n" + script);
  chmod(path.c_str(), mode);
  return path;
}

TEST(FindProgram, LooksAlongTheSearchPathLikeExecvp) {
  ScratchDirectory first;
  ScratchDirectory second;
  const std::string runnable = makeProgram(second, "viewer", "", 0755);
  makeProgram(first, "plain", "", 0644);
  std::filesystem::create_directory(first.path() / "adir");
  const std::string a = first.path().string();
  const std::string b = second.path().string();

  struct Case {
    std::string name;
    std::string searchPath;
    int error;
    std::string found;
  } cases[] = {
      {"viewer", a + ":" + b, 0, runnable},
      {"viewer", a, ENOENT, ""},
      {"plain", a + ":" + b, EACCES, ""},  // found but may not be run
      {"adir", a, ENOENT, ""},             // directories are skipped
      {runnable, "", 0, runnable},         // a name with a slash is not looked up
      {a + "/missing", b, ENOENT, ""},
      {"", b, ENOENT, ""},
      {"viewer", "/nonexistent::" + a, 0, "./viewer"},  // an empty entry is the current directory
  };
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(second.path());
  for (const Case& c : cases) {
    std::string found;
    EXPECT_EQ(findProgram(c.name, c.searchPath.c_str(), found), c.error) << c.name;
    EXPECT_EQ(found, c.found) << c.name;
  }
  std::filesystem::current_path(previous);
}

bool noChildLeft() {
  int status = 0;
  return waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD;
}

TEST(PosixProcessStarter, StartsWithoutWaitingOrTellsWhyNotAndLeavesNoZombie) {
  ScratchDirectory dir;
  const std::string out = (dir.path() / "args").string();
  // The viewer outlives the start: it writes its arguments only after a while.
  makeProgram(
      dir, "viewer",
      "sleep 0.3\necho \"$#|$1\" > '" + out + ".tmp' && mv '" + out + ".tmp' '" + out + "'\n",
      0755);
  makeProgram(dir, "plain", "", 0644);
  // A file that may be run but that the system cannot execute fails in exec.
  const std::string broken = dir.write("broken", std::string("\x7f"
                                                             "ELF garbage",
                                                             12));
  chmod(broken.c_str(), 0755);
  const std::string savedPath = getenv("PATH");
  setenv("PATH", (dir.path().string() + ":/bin:/usr/bin").c_str(), 1);

  struct Case {
    const char* program;
    int error;
  } cases[] = {{"viewer", 0}, {"missing", ENOENT}, {"plain", EACCES}, {"broken", ENOEXEC}};
  for (const Case& c : cases) {
    EXPECT_EQ(PosixProcessStarter().start(c.program, "Lexiquarium.html"), c.error) << c.program;
  }
  EXPECT_FALSE(std::filesystem::exists(out)) << "start() waited for the viewer";
  EXPECT_TRUE(noChildLeft()) << "a child of ours is left to be reaped";
  setenv("PATH", savedPath.c_str(), 1);

  for (int i = 0; i < 200 && !std::filesystem::exists(out); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::ifstream args(out);
  std::stringstream text;
  text << args.rdbuf();
  EXPECT_EQ(text.str(), "1|Lexiquarium.html\n");
}

}  // namespace
}  // namespace lexi
