// Small helpers shared by the core tests: a scratch directory, a notifier that
// records what it is told and a sink that collects results.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "match/search.h"
#include "wordlist/notifier.h"

namespace lexi::testing_only {

class RecordingNotifier : public Notifier {
 public:
  void error(std::string_view message) override { errors.emplace_back(message); }
  void warning(std::string_view message) override { warnings.emplace_back(message); }

  std::vector<std::string> errors;
  std::vector<std::string> warnings;
};

class CollectingSink : public ResultSink {
 public:
  void appendLine(const char* text) override { lines.emplace_back(text); }

  std::vector<std::string> lines;
};

// A fresh directory below the system's temporary one, removed at the end.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    static int serial = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("lexi-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + std::to_string(serial++) + "-" + std::to_string(std::rand()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` as they are to `name` and returns its full path.
  std::string write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace lexi::testing_only
