// The file a fuzz target's bytes go through, for the code that reads files.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace lexi::testing_only {

// The file the bytes go through; one per process, so parallel jobs do not meet.
class ScratchFile {
 public:
  explicit ScratchFile(const char* target) {
    const char* dir = std::getenv("TMPDIR");
    path_ = std::string(dir != nullptr ? dir : "/tmp") + "/lexi-fuzz-" + target + "-" +
            std::to_string(::getpid()) + ".txt";
  }
  ~ScratchFile() { std::remove(path_.c_str()); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const char* write(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (file == nullptr) __builtin_trap();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) __builtin_trap();
    if (std::fclose(file) != 0) __builtin_trap();
    return path_.c_str();
  }

 private:
  std::string path_;
};

}  // namespace lexi::testing_only
