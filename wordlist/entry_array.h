// EntryArray: the entries of consecutive lines, gathered while a file is split.
//
// It starts at a capacity meant to hold most word lists in one allocation, or
// at the count of lines when it is known, and doubles beyond. When memory runs
// out, failedBytes() tells the size that was asked for, which the user is shown.
// The array owns its memory until release().
#pragma once

#include <cstdint>

#include "wordlist/word_list.h"

namespace lexi {

class EntryArray {
 public:
  static constexpr std::uint64_t kFirstCapacity = 145000;

  explicit EntryArray(std::uint64_t firstCapacity = kFirstCapacity)
      : firstCapacity_(firstCapacity < 1 ? 1 : firstCapacity) {}
  ~EntryArray();
  EntryArray(const EntryArray&) = delete;
  EntryArray& operator=(const EntryArray&) = delete;
  EntryArray(EntryArray&& other) noexcept;
  EntryArray& operator=(EntryArray&& other) noexcept;

  // Appends one entry; false when there is no room for it and no memory either.
  bool add(const char* text) {
    if (count_ == capacity_ && !grow(count_ + 1)) return false;
    entries_[count_++].text = text;
    return true;
  }

  // Appends `count` entries whose texts the caller sets, and gives the first
  // of them; null when there is no memory for them.
  WordEntry* addUnset(std::uint64_t count);

  // Makes room for `count` entries in all, so that adding up to them allocates nothing.
  bool reserve(std::uint64_t count) { return count <= capacity_ || grow(count); }

  // Gives back the room no entry took.
  bool shrinkToFit();

  std::uint32_t count() const { return count_; }
  std::uint64_t failedBytes() const { return failedBytes_; }

  // Hands over the entries, to be freed with std::free; the array is then empty.
  WordEntry* release();

 private:
  bool grow(std::uint64_t atLeast);
  bool resize(std::uint64_t capacity);

  WordEntry* entries_ = nullptr;
  std::uint64_t capacity_ = 0;
  std::uint64_t firstCapacity_;
  std::uint32_t count_ = 0;
  std::uint64_t failedBytes_ = 0;
};

}  // namespace lexi
