#include "match/search.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

#include "base/two_threads.h"

namespace lexi {

namespace {

// The lines a thread takes at a time: a whole number of words of the bit set,
// so that no two threads write the same word.
constexpr std::uint32_t kPiece = 64 * 64;

// Appends, in file order, the lines for which matches(text) holds. On a long
// job two threads mark the matches in a bit set, a bit a line, which this one
// then appends; a short one, or one without the bit set's memory, appends as it
// goes.
template <class Matches>
void appendMatches(const WordEntry* entries, std::uint32_t count, ResultSink& sink, Sharing sharing,
                   const Matches& matches) {
  constexpr std::uint32_t kBits = 64;
  const std::uint32_t words = (count + kBits - 1) / kBits;
  // Its pages cost nothing until a thread marks a match in them.
  std::uint64_t* const marks =
      sharing != Sharing::kNone
          ? static_cast<std::uint64_t*>(std::calloc(words, sizeof(std::uint64_t)))
          : nullptr;
  auto append = [&](std::uint32_t begin, std::uint32_t end) {
    for (std::uint32_t i = begin; i < end; ++i) {
      if (matches(entries[i].text)) sink.appendLine(entries[i].text);
    }
  };
  if (marks == nullptr) {
    append(0, count);
    return;
  }
  auto mark = [&](std::uint32_t begin, std::uint32_t end) {
    for (std::uint32_t i = begin; i < end; ++i) {
      if (matches(entries[i].text)) marks[i / kBits] |= std::uint64_t{1} << (i % kBits);
    }
  };
  // The lines appended alone come first; the marks are all after them.
  if (shareOut(count, kPiece, append, mark, sharing)) {
    for (std::uint32_t word = 0; word < words; ++word) {
      for (std::uint64_t bits = marks[word]; bits != 0; bits &= bits - 1) {
        sink.appendLine(
            entries[word * kBits + static_cast<std::uint32_t>(std::countr_zero(bits))].text);
      }
    }
  }
  std::free(marks);
}

// Appends the lines whose stored key is `key`. Keys are NUL-padded to 8 bytes,
// so one comparison of 8 bytes decides a line; eight lines are decided at once,
// with one branch, since matches are rare: a loop that branched on every line
// ran at half its speed or full speed with where a build happened to place it.
void appendKeyMatches(const WordEntry* entries, const SoundKey* stored, std::uint32_t count,
                      const SoundKey& key, ResultSink& sink) {
  static_assert(sizeof(SoundKey) == sizeof(std::uint64_t));
  constexpr std::uint32_t kAtOnce = 8;
  std::uint64_t wanted;
  std::memcpy(&wanted, key.text, sizeof wanted);
  std::uint64_t block[kAtOnce];
  const auto appendFrom = [&](std::uint32_t first, std::uint32_t lines) {
    for (std::uint32_t i = 0; i < lines; ++i) {
      if (block[i] == wanted) sink.appendLine(entries[first + i].text);
    }
  };
  std::uint32_t first = 0;
  for (; count - first >= kAtOnce; first += kAtOnce) {
    std::memcpy(block, stored + first, sizeof block);
    bool any = false;
    for (const std::uint64_t each : block) any |= each == wanted;
    if (any) appendFrom(first, kAtOnce);
  }
  if (first == count) return;
  std::memcpy(block, stored + first, (count - first) * sizeof wanted);
  appendFrom(first, count - first);
}

}  // namespace

SearchOutcome searchWords(const WordList& list, TextEncoding encoding, const SoundIndex* keys,
                          const char* query, ResultSink& sink, Notifier& notifier,
                          Sharing sharing) {
  const WordEntry* const entries = list.entries();
  const std::uint32_t count = list.count();
  sharing = forLines(sharing, count);

  const LineTest test(query, encoding);
  if (const SoundKey* const key = test.key()) {
    if (key->empty()) return SearchOutcome::kDone;
    if (keys != nullptr) {
      appendKeyMatches(entries, keys->keys(), count, *key, sink);
      return SearchOutcome::kDone;
    }
  }
  if (!test.mayStop()) {
    // No line can stop the search: the lines are independent.
    appendMatches(entries, count, sink, sharing,
                  [&test](const char* text) { return test.test(text) == kMatch; });
    return SearchOutcome::kDone;
  }
  for (std::uint32_t i = 0; i < count; ++i) {
    const int result = test.test(entries[i].text);
    if (result == kMatch) {
      sink.appendLine(entries[i].text);
    } else if (result == kTooManyStars) {
      notifier.warning(kTooManyStarsMessage);
      return SearchOutcome::kStoppedByStars;
    }
  }
  return SearchOutcome::kDone;
}

}  // namespace lexi
