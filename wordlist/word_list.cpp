#include "wordlist/word_list.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

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

// The entries of consecutive lines, as a load gathers them.
struct Entries {
  WordEntry* entries = nullptr;
  std::uint64_t capacity = 0;
  std::uint32_t count = 0;
  std::uint64_t failedBytes = 0;  // the size asked for when memory ran out

  Entries() = default;
  ~Entries() { std::free(entries); }
  Entries(const Entries&) = delete;
  Entries& operator=(const Entries&) = delete;

  // Appends one entry; false when there is no room for it and no memory either.
  bool add(const char* text) {
    if (count == capacity && !grow()) return false;
    entries[count++].text = text;
    return true;
  }

  // Gives back the room no entry took.
  bool shrinkToFit() {
    if (!resize(entries, count, failedBytes)) return false;
    capacity = count;
    return true;
  }

 private:
  bool grow() {
    constexpr std::uint64_t kMost = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t grown = capacity == 0 ? kFirstCapacity : capacity * 2;
    if (grown > kMost && capacity < kMost) grown = kMost;
    if (capacity >= kMost) {
      failedBytes = grown * sizeof(WordEntry);
      return false;
    }
    if (!resize(entries, grown, failedBytes)) return false;
    adviseLargeBlock(entries, static_cast<std::size_t>(failedBytes));
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

  // The whole file goes into one buffer, and the lines stay where they are read:
  // room for the file, the NUL after its last line, and one byte more so that the
  // end of a file that does not grow is seen without growing the buffer.
  const std::uint64_t size = file.size();
  const std::size_t firstCapacity = size > 0 && size < std::numeric_limits<std::size_t>::max() - 2
                                        ? static_cast<std::size_t>(size) + 2
                                        : LineReader::kDefaultCapacity;
  LineReader reader(file, firstCapacity);
  int status = 0;
  reader.readAll(status);
  file.close();
  if (status < 0) {
    notifier.error(kLineOutOfMemory);
    return false;
  }
  if (status > 0) {
    notifier.error(cannotRead(path, status));
    return false;
  }

  std::size_t textSize = 0;
  char* const texts = reader.takeBuffer(textSize);
  Entries lines;
  const bool split =
      endLines(texts, texts + textSize, [&lines](const char* line) { return lines.add(line); });
  if (!split || !lines.shrinkToFit()) {
    std::free(texts);
    notifier.error(OutOfMemoryMessage(lines.failedBytes).text());
    return false;
  }
  count_ = lines.count;
  entries_ = std::exchange(lines.entries, nullptr);
  texts_ = texts;
  return true;
}

void WordList::release() {
  std::free(entries_);
  entries_ = nullptr;
  count_ = 0;
  std::free(texts_);
  texts_ = nullptr;
}

}  // namespace lexi
