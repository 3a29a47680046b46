#include "match/commonness.h"

#include <new>

#include "wordlist/input_file.h"
#include "wordlist/notifier.h"

namespace lexi {

namespace {

// The file is optional: a missing or unreadable one is not the user's concern.
class Silent : public Notifier {
 public:
  void error(std::string_view) override {}
  void warning(std::string_view) override {}
};

std::uint32_t hashOf(std::string_view word) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (const char c : word) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

// The level at the end of a line "word level": 1 to 99, or kUnknown.
std::uint8_t levelAfter(std::string_view rest) {
  if (rest.empty() || rest.size() > 2) return Commonness::kUnknown;
  int level = 0;
  for (const char c : rest) {
    if (c < '0' || c > '9') return Commonness::kUnknown;
    level = level * 10 + (c - '0');
  }
  return static_cast<std::uint8_t>(level);
}

}  // namespace

std::string Commonness::besideList(std::string_view listPath) {
  return folderOf(listPath).append(kFileName);
}

bool Commonness::load(const char* path) {
  release();
  Silent silent;
  if (!lines_.load(path, silent)) return false;
  const std::uint32_t count = lines_.count();
  std::size_t size = 2;
  while (size < 2 * std::size_t{count}) size *= 2;
  try {
    slots_.assign(size, 0);
    levels_.assign(count, kUnknown);
    lengths_.assign(count, 0);
  } catch (const std::bad_alloc&) {
    release();
    return false;
  }
  const WordEntry* const entries = lines_.entries();
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::string_view line(entries[i].text);
    const std::size_t blank = line.find(' ');
    if (blank == 0 || blank == std::string_view::npos || blank > 255) continue;
    const std::uint8_t level = levelAfter(line.substr(blank + 1));
    if (level == kUnknown) continue;
    const std::string_view word = line.substr(0, blank);
    // A word named twice keeps its first level.
    std::size_t slot = hashOf(word) & (size - 1);
    while (slots_[slot] != 0 &&
           std::string_view(entries[slots_[slot] - 1].text, lengths_[slots_[slot] - 1]) != word) {
      slot = (slot + 1) & (size - 1);
    }
    if (slots_[slot] != 0) continue;
    slots_[slot] = i + 1;
    levels_[i] = level;
    lengths_[i] = static_cast<std::uint8_t>(blank);
  }
  return true;
}

void Commonness::release() {
  slots_.clear();
  slots_.shrink_to_fit();
  levels_.clear();
  levels_.shrink_to_fit();
  lengths_.clear();
  lengths_.shrink_to_fit();
  lines_.release();
}

std::uint8_t Commonness::levelOf(std::string_view word) const {
  if (slots_.empty()) return kUnknown;
  const std::size_t mask = slots_.size() - 1;
  const WordEntry* const entries = lines_.entries();
  for (std::size_t slot = hashOf(word) & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
    const std::uint32_t line = slots_[slot] - 1;
    if (std::string_view(entries[line].text, lengths_[line]) == word) return levels_[line];
  }
  return kUnknown;
}

}  // namespace lexi
