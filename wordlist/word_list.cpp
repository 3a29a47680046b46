#include "wordlist/word_list.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "wordlist/input_file.h"
#include "wordlist/line_reader.h"

namespace lexi {

namespace {

// Enough for most word lists in one allocation; it doubles beyond.
constexpr std::uint64_t kFirstCapacity = 145000;

constexpr const char* kClosing = ".\n\nLexiquarium will close now.";

std::string cannotOpen(const std::string& path, int error) {
  return "Error: Cannot open file '" + path + "':\n" + std::strerror(error) + kClosing;
}

std::string cannotRead(const char* name, int error) {
  return std::string("Error: Cannot read file '") + name + "':\n" + std::strerror(error) + kClosing;
}

constexpr const char* kLineOutOfMemory =
    "Error: Cannot get memory in getALine.\n\nLexiquarium will close now.";

// Resizes `entries` to `capacity` entries; false when the size does not fit
// or the memory cannot be had, with the size asked for in `bytes`.
bool resize(WordEntry*& entries, std::uint64_t capacity, std::uint64_t& bytes) {
  bytes = capacity * sizeof(WordEntry);
  if (capacity == 0) {
    std::free(entries);
    entries = nullptr;
    return true;
  }
  if (bytes > std::numeric_limits<std::size_t>::max()) return false;
  void* resized = std::realloc(entries, static_cast<std::size_t>(bytes));
  if (resized == nullptr) return false;
  entries = static_cast<WordEntry*>(resized);
  return true;
}

// Owns what a load has built until the load succeeds.
struct Building {
  WordEntry* entries = nullptr;
  std::uint64_t capacity = 0;
  std::uint32_t count = 0;
  TextArena texts;

  ~Building() { std::free(entries); }

  // Makes room for one more entry; on failure `bytes` is the size asked for.
  bool reserveOne(std::uint64_t& bytes) {
    if (count < capacity) return true;
    constexpr std::uint64_t kMost = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t grown = capacity == 0 ? kFirstCapacity : capacity * 2;
    if (grown > kMost && capacity < kMost) grown = kMost;
    if (capacity >= kMost) {
      bytes = grown * sizeof(WordEntry);
      return false;
    }
    if (!resize(entries, grown, bytes)) return false;
    capacity = grown;
    return true;
  }
};

}  // namespace

bool WordList::load(const char* path, Notifier& notifier) {
  release();

  InputFile file;
  if (const int error = file.open(path); error != 0) {
    const std::string directory = currentDirectory();
    // Without a directory there is no path worth showing, and nothing is said.
    if (!directory.empty()) notifier.error(cannotOpen(joinPath(directory, path), error));
    return false;
  }

  Building building;
  LineReader reader(file);
  std::string_view line;
  int status = 0;
  while (reader.getALine(line, status)) {
    std::uint64_t bytes = 0;
    if (!building.reserveOne(bytes)) {
      notifier.error(OutOfMemoryMessage(bytes).text());
      return false;
    }
    const char* text = building.texts.store(line);
    if (text == nullptr) {
      notifier.error(kLineOutOfMemory);
      return false;
    }
    building.entries[building.count++].text = text;
  }
  file.close();
  if (status < 0) {
    notifier.error(kLineOutOfMemory);
    return false;
  }
  if (status > 0) {
    notifier.error(cannotRead(path, status));
    return false;
  }

  std::uint64_t bytes = 0;
  if (!resize(building.entries, building.count, bytes)) {
    notifier.error(OutOfMemoryMessage(bytes).text());
    return false;
  }
  count_ = building.count;
  entries_ = building.entries;
  building.entries = nullptr;
  texts_ = std::move(building.texts);
  return true;
}

void WordList::release() {
  std::free(entries_);
  entries_ = nullptr;
  count_ = 0;
  texts_.clear();
}

}  // namespace lexi
