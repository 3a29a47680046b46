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
  release();
  const std::uint32_t count = list.count();
  if (count == 0) return true;
  const std::uint64_t bytes = std::uint64_t{count} * sizeof(SoundKey);
  void* memory = bytes <= std::numeric_limits<std::size_t>::max()
                     ? std::malloc(static_cast<std::size_t>(bytes))
                     : nullptr;
  auto* keys = static_cast<SoundKey*>(memory);
  if (keys == nullptr) {
    notifier.error(OutOfMemoryMessage(bytes).text());
    return false;
  }
  adviseLargeBlock(keys, static_cast<std::size_t>(bytes));
  const WordEntry* const entries = list.entries();
  auto computeKeys = [keys, entries](std::uint32_t begin, std::uint32_t end) {
    for (std::uint32_t i = begin; i < end; ++i) keys[i] = soundKey(entries[i].text);
  };
  // The keys are independent: a second thread takes a share where the list is
  // long enough to pay for starting it.
  shareOut(count, kPiece, computeKeys, computeKeys, forLines(sharing, count));
  keys_ = keys;
  count_ = count;
  return true;
}

void SoundIndex::release() {
  std::free(keys_);
  keys_ = nullptr;
  count_ = 0;
}

}  // namespace lexi
