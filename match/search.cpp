#include "match/search.h"

#include <cstring>

#include "match/sound_key.h"
#include "match/wild_match.h"

namespace lexi {

namespace {

bool isPattern(const char* query) {
  return std::strchr(query, '*') != nullptr || std::strchr(query, '?') != nullptr;
}

}  // namespace

SearchOutcome searchWords(const WordList& list, const SoundIndex* keys, const char* query,
                          ResultSink& sink, Notifier& notifier) {
  const WordEntry* const entries = list.entries();
  const std::uint32_t count = list.count();

  if (isPattern(query)) {
    const WildPattern pattern(query);
    for (std::uint32_t i = 0; i < count; ++i) {
      const int result = pattern.match(entries[i].text);
      if (result == kMatch) {
        sink.appendLine(entries[i].text);
      } else if (result == kTooManyStars) {
        notifier.warning(kTooManyStarsMessage);
        return SearchOutcome::kTooManyStars;
      }
    }
    return SearchOutcome::kDone;
  }

  const SoundKey key = soundKey(query);
  if (key.empty()) return SearchOutcome::kDone;
  // Keys are NUL-padded to 8 bytes, so one comparison of 8 bytes decides.
  auto appendEqual = [&](auto keyOf) {
    for (std::uint32_t i = 0; i < count; ++i) {
      if (std::memcmp(keyOf(i).text, key.text, sizeof key.text) == 0) {
        sink.appendLine(entries[i].text);
      }
    }
  };
  if (keys != nullptr) {
    const SoundKey* const stored = keys->keys();
    appendEqual([stored](std::uint32_t i) -> const SoundKey& { return stored[i]; });
  } else {
    appendEqual([entries](std::uint32_t i) { return soundKey(entries[i].text); });
  }
  return SearchOutcome::kDone;
}

}  // namespace lexi
