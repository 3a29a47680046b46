#include "match/search.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "match/sound_key.h"
#include "match/wild_match.h"
#include "wordlist/two_threads.h"

namespace lexi {

namespace {

bool isPattern(const char* query) {
  return std::strchr(query, '*') != nullptr || std::strchr(query, '?') != nullptr;
}

// Whether the line's key is `key`. Most lines differ in the key's first
// character, which costs a fraction of the whole key: only the others get theirs.
bool hasKey(const char* text, const SoundKey& key) {
  return soundKeyFirst(text) == key.text[0] &&
         std::memcmp(soundKey(text).text, key.text, sizeof key.text) == 0;
}

// Below this many lines one thread is done before a second one would have started.
constexpr std::uint32_t kTwoThreadsFrom = 20000;

// Appends, in file order, the lines for which matches(text) holds. A second
// thread marks the matches of the second half in a bit set where the list is
// long enough to pay for it and the bit set's memory can be had.
template <class Matches>
void appendMatches(const WordEntry* entries, std::uint32_t count, ResultSink& sink,
                   const Matches& matches) {
  const std::uint32_t middle = count / 2;
  const std::size_t words = (count - middle + 63) / 64;
  std::uint64_t* const marks =
      count >= kTwoThreadsFrom ? static_cast<std::uint64_t*>(std::calloc(words, 8)) : nullptr;
  if (marks == nullptr) {
    for (std::uint32_t i = 0; i < count; ++i) {
      if (matches(entries[i].text)) sink.appendLine(entries[i].text);
    }
    return;
  }
  // Only this thread uses the sink: the helper marks its matches, which are
  // appended after this thread's own.
  bothAtOnce(
      [&] {
        for (std::uint32_t i = 0; i < middle; ++i) {
          if (matches(entries[i].text)) sink.appendLine(entries[i].text);
        }
      },
      [&] {
        for (std::uint32_t i = middle; i < count; ++i) {
          if (matches(entries[i].text))
            marks[(i - middle) / 64] |= std::uint64_t{1} << ((i - middle) % 64);
        }
      });
  for (std::uint32_t i = middle; i < count; ++i) {
    if ((marks[(i - middle) / 64] >> ((i - middle) % 64)) & 1) sink.appendLine(entries[i].text);
  }
  std::free(marks);
}

}  // namespace

SearchOutcome searchWords(const WordList& list, const SoundIndex* keys, const char* query,
                          ResultSink& sink, Notifier& notifier) {
  const WordEntry* const entries = list.entries();
  const std::uint32_t count = list.count();

  if (isPattern(query)) {
    const WildPattern pattern(query);
    if (std::count(query, query + std::strlen(query), '*') <= kMaxStars) {
      // No line can stop the search: the halves are independent.
      appendMatches(entries, count, sink,
                    [&pattern](const char* text) { return pattern.match(text) == kMatch; });
      return SearchOutcome::kDone;
    }
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
  if (keys != nullptr) {
    // Keys are NUL-padded to 8 bytes, so one comparison of 8 bytes decides.
    const SoundKey* const stored = keys->keys();
    for (std::uint32_t i = 0; i < count; ++i) {
      if (std::memcmp(stored[i].text, key.text, sizeof key.text) == 0) {
        sink.appendLine(entries[i].text);
      }
    }
  } else {
    appendMatches(entries, count, sink, [&key](const char* text) { return hasKey(text, key); });
  }
  return SearchOutcome::kDone;
}

}  // namespace lexi
