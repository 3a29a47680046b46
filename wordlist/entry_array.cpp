#include "wordlist/entry_array.h"

#include <cstdlib>
#include <limits>
#include <utility>

#include "base/large_block.h"

namespace lexi {

EntryArray::~EntryArray() {
  std::free(entries_);
}

EntryArray::EntryArray(EntryArray&& other) noexcept
    : entries_(std::exchange(other.entries_, nullptr)),
      capacity_(std::exchange(other.capacity_, 0)),
      firstCapacity_(other.firstCapacity_),
      count_(std::exchange(other.count_, 0)),
      failedBytes_(other.failedBytes_) {}

EntryArray& EntryArray::operator=(EntryArray&& other) noexcept {
  std::swap(entries_, other.entries_);
  std::swap(capacity_, other.capacity_);
  std::swap(firstCapacity_, other.firstCapacity_);
  std::swap(count_, other.count_);
  std::swap(failedBytes_, other.failedBytes_);
  return *this;
}

WordEntry* EntryArray::addUnset(std::uint64_t count) {
  if (!reserve(std::uint64_t{count_} + count)) return nullptr;
  WordEntry* const first = entries_ + count_;
  count_ += static_cast<std::uint32_t>(count);
  return first;
}

bool EntryArray::shrinkToFit() {
  return resize(count_);
}

WordEntry* EntryArray::release() {
  capacity_ = count_ = 0;
  return std::exchange(entries_, nullptr);
}

bool EntryArray::grow(std::uint64_t atLeast) {
  // The count of a list is 32 bits wide: a line more than that is out of memory.
  constexpr std::uint64_t kMost = std::numeric_limits<std::uint32_t>::max();
  std::uint64_t grown = capacity_ == 0 ? firstCapacity_ : capacity_ * 2;
  if (grown < atLeast) grown = atLeast;
  if (grown > kMost && atLeast <= kMost) grown = kMost;
  if (atLeast > kMost) {
    failedBytes_ = grown * sizeof(WordEntry);
    return false;
  }
  if (!resize(grown)) return false;
  adviseLargeBlock(entries_, static_cast<std::size_t>(capacity_ * sizeof(WordEntry)));
  return true;
}

bool EntryArray::resize(std::uint64_t capacity) {
  failedBytes_ = capacity * sizeof(WordEntry);
  if (capacity == 0) {
    std::free(std::exchange(entries_, nullptr));
    capacity_ = 0;
    return true;
  }
  if (failedBytes_ > std::numeric_limits<std::size_t>::max()) return false;
  void* resized = std::realloc(entries_, static_cast<std::size_t>(failedBytes_));
  if (resized == nullptr) return false;
  entries_ = static_cast<WordEntry*>(resized);
  capacity_ = capacity;
  return true;
}

}  // namespace lexi
