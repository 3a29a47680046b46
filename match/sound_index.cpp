#include "match/sound_index.h"

#include <cstdlib>
#include <limits>

#include "base/large_block.h"
#include "base/two_threads.h"

namespace lexi {

namespace {

// The lines a thread takes at a time: enough to make taking them cost nothing.
constexpr std::uint32_t kPiece = 4096;

}  // namespace

bool SoundIndex::build(const WordList& list, Notifier& notifier, Sharing sharing) {
  if (!begin(list, notifier)) return false;
  auto compute = [this, &list](std::uint32_t from, std::uint32_t to) {
    computeKeys(list, from, to);
  };
  // The keys are independent: a second thread takes a share where the list is
  // long enough to pay for starting it.
  shareOut(count_, kPiece, compute, compute, forLines(sharing, count_));
  return true;
}

bool SoundIndex::begin(const WordList& list, Notifier& notifier) {
  release();
  const std::uint32_t count = list.count();
  if (count == 0) return true;
  const std::uint64_t bytes = std::uint64_t{count} * sizeof(SoundKey);
  void* memory = bytes <= std::numeric_limits<std::size_t>::max()
                     ? std::malloc(static_cast<std::size_t>(bytes))
                     : nullptr;
  keys_ = static_cast<SoundKey*>(memory);
  if (keys_ == nullptr) {
    notifier.error(OutOfMemoryMessage(bytes).text());
    return false;
  }
  adviseLargeBlock(keys_, static_cast<std::size_t>(bytes));
  count_ = count;
  return true;
}

void SoundIndex::computeKeys(const WordList& list, std::uint32_t from, std::uint32_t to) {
  const WordEntry* const entries = list.entries();
  // Read once: for all the compiler knows, soundKey() might change keys_.
  SoundKey* const keys = keys_;
  for (std::uint32_t i = from; i < to; ++i) keys[i] = soundKey(entries[i].text);
}

void SoundIndex::release() {
  std::free(keys_);
  keys_ = nullptr;
  count_ = 0;
}

}  // namespace lexi
