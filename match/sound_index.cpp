#include "match/sound_index.h"

#include <cstdlib>
#include <limits>

namespace lexi {

bool SoundIndex::build(const WordList& list, Notifier& notifier) {
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
  const WordEntry* const entries = list.entries();
  for (std::uint32_t i = 0; i < count; ++i) keys[i] = soundKey(entries[i].text);
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
