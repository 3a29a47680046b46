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

SearchOutcome searchWords(const WordList& list, const char* query, ResultSink& sink,
                          Notifier& notifier) {
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
  static_assert(sizeof key.text == sizeof entries->key);
  auto appendEqual = [&](auto keyOf) {
    for (std::uint32_t i = 0; i < count; ++i) {
      if (std::memcmp(keyOf(entries[i]).text, key.text, sizeof key.text) == 0) {
        sink.appendLine(entries[i].text);
      }
    }
  };
  if (list.hasSoundKeys()) {
    appendEqual([](const WordEntry& entry) {
      SoundKey stored;
      std::memcpy(stored.text, entry.key, sizeof stored.text);
      return stored;
    });
  } else {
    appendEqual([](const WordEntry& entry) { return soundKey(entry.text); });
  }
  return SearchOutcome::kDone;
}

}  // namespace lexi
