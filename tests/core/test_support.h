// Small helpers shared by the core tests: a scratch directory, a notifier that
// records what it is told, a sink that collects results and a reader of tables
// of cases.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
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

// A fresh directory below the system's temporary one, removed at the end. Its
// name is drawn until it is new: test processes run side by side, and one must
// never remove another's files.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::random_device entropy;
    do {
      path_ = std::filesystem::temp_directory_path() / ("lexi-test-" + std::to_string(entropy()));
    } while (!std::filesystem::create_directory(path_));
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

// The rows of a table of cases kept as text under tests/: blank-separated fields,
// "#" before a comment. In a field \n, \r and \t stand for those bytes, \xNN for
// the byte NN, and a lone "-" for nothing.
inline std::vector<std::vector<std::string>> readTable(const std::string& name) {
  std::ifstream file(std::string(LEXI_TESTS_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(file) << "cannot read " << name;
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(file, line);) {
    std::istringstream fields(line);
    std::vector<std::string> row;
    for (std::string field; fields >> field && field[0] != '#';) {
      std::string bytes;
      for (std::size_t i = 0; i < field.size(); ++i) {
        const char next = i + 1 < field.size() ? field[i + 1] : '\0';
        if (field[i] != '\\' || next == '\0') {
          bytes += field[i];
        } else if (next == 'x') {
          bytes += static_cast<char>(std::stoi(field.substr(i + 2, 2), nullptr, 16));
          i += 3;
        } else {
          bytes += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
          ++i;
        }
      }
      row.push_back(bytes == "-" ? "" : bytes);
    }
    if (!row.empty()) rows.push_back(row);
  }
  return rows;
}

}  // namespace lexi::testing_only
