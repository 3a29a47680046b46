#include "match/near_search.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <limits>
#include <vector>

#include "match/slip_distance.h"
#include "wordlist/input_file.h"
#include "wordlist/two_threads.h"

namespace lexi {

namespace {

// Bits of a letter set: a to z (accents aside), then any digit, then any other
// character that is no punctuation. Punctuation is left out of the sets and the
// lengths: leaving it out is a slip so cheap that it must not keep a word away.
constexpr std::uint32_t kDigitBit = 1u << 26;
constexpr std::uint32_t kOtherBit = 1u << 27;

// The characters of sound keys: the letters, and '0' for "th".
std::uint32_t keyBit(char c) {
  return c == '0' ? 1u << 26 : 1u << (c - 'a');
}

std::uint32_t keySet(const SoundKey& key) {
  std::uint32_t set = 0;
  for (const char c : key.view()) set |= keyBit(c);
  return set;
}

// Ranking: a line whose word is the query itself comes before all others, and
// these count against a line beside how far its word and key are.
constexpr int kEqual = std::numeric_limits<int>::min();
constexpr int kKeyStep = 4;      // each edit between the two sound keys
constexpr int kBareLine = 2;     // a line with no meaning: most are names
constexpr int kCapitalised = 2;  // a name, when the word was typed in lower case

// How far a line may be to count as near, by the query's length: one edit for
// short words, where two would let most of the list through, two or three for
// longer ones. The same for the sound keys, which are shorter.
int wordReach(std::size_t letters) {
  return letters <= 3 ? 1 : letters <= 8 ? 2 : 3;
}
int keyReach(std::size_t keyLength) {
  return keyLength <= 3 ? 1 : 2;
}

// The first word of a line, as many bytes as a Spelling can take.
std::string_view firstWordOf(const char* text) {
  constexpr std::size_t kMostBytes = 4 * Spelling::kMaxLength;
  std::size_t size = 0;
  while (size < kMostBytes && text[size] != '\0' && text[size] != ' ') ++size;
  return {text, size};
}

struct Letters {
  std::uint32_t set = 0;
  std::uint32_t count = 0;
};

Letters lettersOf(const Spelling& spelling) {
  Letters letters;
  for (std::size_t i = 0; i < spelling.length; ++i) {
    const char32_t c = spelling.chars[i];
    std::uint32_t bit = 0;
    if (c >= 'a' && c <= 'z') {
      bit = 1u << (c - 'a');
    } else if (c >= '0' && c <= '9') {
      bit = kDigitBit;
    } else if (c >= 0x80) {
      bit = kOtherBit;
    }
    letters.set |= bit;
    letters.count += bit != 0;
  }
  return letters;
}

bool isCapital(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

// Whether two letter sets and lengths may be `reach` edits apart: each edit
// changes the length by one at most, and adds or takes away one letter at most.
bool mayBeNear(std::uint32_t a, std::uint32_t aLength, std::uint32_t b, std::uint32_t bLength,
               std::uint32_t reach) {
  const std::uint32_t longer = std::max(aLength, bLength);
  const std::uint32_t shorter = std::min(aLength, bLength);
  return longer - shorter <= reach && static_cast<std::uint32_t>(std::popcount(a & ~b)) <= reach &&
         static_cast<std::uint32_t>(std::popcount(b & ~a)) <= reach;
}

struct Candidate {
  int score;
  std::uint32_t line;
  bool operator<(const Candidate& other) const {
    return score != other.score ? score < other.score : line < other.line;
  }
};

// Below this many lines one thread is done before a second one would have started.
constexpr std::uint32_t kTwoThreadsFrom = 20000;
constexpr std::uint32_t kPiece = 4096;

}  // namespace

struct NearIndex::Line {
  std::uint32_t letters;   // the first word's letter set
  std::uint32_t keyChars;  // the sound key's character set
  std::uint8_t length;     // the first word's letters, at most 255
  std::uint8_t keyLength;
  std::uint8_t penalty;  // what the line itself counts against it
  std::uint8_t capital;  // whether its word starts with a capital
};

bool NearIndex::build(const WordList& list, const SoundIndex& keys, TextEncoding encoding,
                      Notifier& notifier) {
  release();
  const std::uint32_t count = list.count();
  const std::uint64_t bytes = std::uint64_t{count} * sizeof(Line);
  Line* lines = nullptr;
  if (count > 0) {
    void* memory = bytes <= std::numeric_limits<std::size_t>::max()
                       ? std::malloc(static_cast<std::size_t>(bytes))
                       : nullptr;
    lines = static_cast<Line*>(memory);
    if (lines == nullptr) {
      notifier.warning(OutOfMemoryMessage(bytes).text());
      return false;
    }
    adviseLargeBlock(lines, static_cast<std::size_t>(bytes));
  }
  const WordEntry* const entries = list.entries();
  const SoundKey* const stored = keys.keys();
  auto describe = [&](std::uint32_t begin, std::uint32_t end) {
    for (std::uint32_t i = begin; i < end; ++i) {
      const std::string_view word = firstWordOf(entries[i].text);
      const Spelling spelling = spellingOf(word, encoding);
      const Letters letters = lettersOf(spelling);
      const char32_t first = spelling.length > 0 ? decodeChar(word, 0, encoding).code : 0;
      lines[i] = Line{letters.set,
                      keySet(stored[i]),
                      static_cast<std::uint8_t>(std::min<std::uint32_t>(letters.count, 255)),
                      static_cast<std::uint8_t>(stored[i].view().size()),
                      static_cast<std::uint8_t>(word.data()[word.size()] == '\0' ? kBareLine : 0),
                      static_cast<std::uint8_t>(isCapital(first))};
    }
  };
  if (count < kTwoThreadsFrom) {
    describe(0, count);
  } else {
    shareOut(count, kPiece, describe, describe);
  }
  list_ = &list;
  keys_ = &keys;
  encoding_ = encoding;
  lines_ = lines;
  return true;
}

void NearIndex::release() {
  std::free(lines_);
  lines_ = nullptr;
  list_ = nullptr;
  keys_ = nullptr;
}

std::uint32_t nearSearch(const NearIndex& index, const char* query, std::uint32_t maxResults,
                         ResultSink& sink) {
  const std::string_view typedWord = firstWordOf(query);
  const Spelling typed = spellingOf(typedWord, index.encoding_);
  const Letters typedLetters = lettersOf(typed);
  if (maxResults == 0 || (typedLetters.set & ((1u << 26) - 1)) == 0) return 0;
  const SoundKey typedKey = soundKey(typedWord);
  const std::uint32_t typedKeySet = keySet(typedKey);
  const auto typedKeyLength = static_cast<std::uint32_t>(typedKey.view().size());
  const int wordSteps = wordReach(typedLetters.count);
  const int keySteps = typedKey.empty() ? -1 : keyReach(typedKeyLength);
  const bool typedCapital =
      typed.length > 0 && isCapital(decodeChar(typedWord, 0, index.encoding_).code);

  const std::uint32_t count = index.list_->count();
  const WordEntry* const entries = index.list_->entries();
  const SoundKey* const keys = index.keys_->keys();
  std::vector<Candidate> near;
  for (std::uint32_t i = 0; i < count; ++i) {
    const NearIndex::Line& line = index.lines_[i];
    const bool byWord = mayBeNear(typedLetters.set, typedLetters.count, line.letters, line.length,
                                  static_cast<std::uint32_t>(wordSteps));
    const bool byKey =
        keySteps >= 0 && mayBeNear(typedKeySet, typedKeyLength, line.keyChars, line.keyLength,
                                   static_cast<std::uint32_t>(keySteps));
    if (!byWord && !byKey) continue;
    const Spelling spelling = spellingOf(firstWordOf(entries[i].text), index.encoding_);
    const int slip = slipDistance(typed, spelling, 4 * kPlainEdit);
    const int keyEdits = keyDistance(typedKey.view(), keys[i].view(), 3);
    if (slip > wordSteps * kPlainEdit && keyEdits > keySteps) continue;
    int score = slip + kKeyStep * keyEdits + line.penalty;
    if (line.capital && !typedCapital) score += kCapitalised;
    if (spelling.length == typed.length &&
        std::equal(typed.chars, typed.chars + typed.length, spelling.chars)) {
      score = kEqual;
    }
    near.push_back({score, i});
  }
  const std::size_t listed = std::min<std::size_t>(near.size(), maxResults);
  std::partial_sort(near.begin(), near.begin() + static_cast<std::ptrdiff_t>(listed), near.end());
  for (std::size_t i = 0; i < listed; ++i) sink.appendLine(entries[near[i].line].text);
  return static_cast<std::uint32_t>(listed);
}

}  // namespace lexi
