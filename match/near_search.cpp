#include "match/near_search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <new>
#include <thread>
#include <utility>
#include <vector>

#include "base/large_block.h"
#include "base/two_threads.h"
#include "match/slip_distance.h"
#include "match/word_sounds.h"

namespace lexi {

namespace {

// Bits of a letter set: a to z (accents aside), then any digit, then any other
// character that is no punctuation. Punctuation is left out of the sets and the
// lengths: leaving it out is a slip so cheap that it must not keep a word away.
constexpr std::uint32_t kDigitBit = 1u << 26;
constexpr std::uint32_t kOtherBit = 1u << 27;
constexpr std::uint32_t kAToZBits = (1u << 26) - 1;
constexpr std::uint32_t kLetterBits = (1u << 28) - 1;
// What a line says of itself beside its letters: that it holds no meaning (most
// such lines are names, or words of grammar), that its word starts with a capital.
constexpr std::uint32_t kBare = 1u << 28;
constexpr std::uint32_t kCapital = 1u << 29;

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
// Below any score, with room below it for the bound a line must beat.
constexpr int kEqual = std::numeric_limits<int>::min() / 2;
constexpr int kKeyStep = 1;      // each edit between the two sound keys
constexpr int kBareLine = 2;     // a line with no meaning: most are names
constexpr int kCapitalised = 2;  // a name, when the word was typed in lower case
// What a word heard alike costs above the distance of its sounds: a little,
// so that of two lines as near, the one spelled nearer comes first.
constexpr int kHeardExtra = 5;
// How much a rare word counts against a line, by its level of commonness: the
// commonest nothing, a word too rare to be known most.
std::uint8_t rarityOf(std::uint8_t level) {
  if (level == Commonness::kUnknown) return 9;
  constexpr std::uint8_t kUpTo[] = {10, 20, 35, 40, 50, 60, 70, 80, 95};
  std::uint8_t rarity = 0;
  while (rarity < std::size(kUpTo) && level > kUpTo[rarity]) ++rarity;
  return rarity;
}
constexpr int kRarityStep = 2;
// Sound keys further apart than this count as this far.
constexpr int kKeyFar = 3;
// A line whose key is near still needs a spelling within this many slips.
constexpr int kFarthestSlip = 4 * kPlainEdit;

// How far a line may be to count as near, by the query's length: one edit for
// short words, where two would let most of the list through, two or three for
// longer ones. The same for the sound keys, which are shorter.
int wordReach(std::size_t letters) {
  return letters <= 3 ? 1 : letters <= 8 ? 2 : 3;
}
int keyReach(std::size_t keyLength) {
  return keyLength <= 4 ? 1 : 2;
}
int soundReach(std::size_t sounds) {
  return sounds <= 3 ? 1 : sounds <= 6 ? 2 : 3;
}

// What the near index keeps of a word's sounds: words that say more are
// compared on their first kSoundSlot sounds.
constexpr std::size_t kSoundSlot = 16;

std::string_view keptSounds(const Sounds& sounds) {
  return sounds.view().substr(0, kSoundSlot);
}
// A view of a temporary's sounds would outlive them.
std::string_view keptSounds(const Sounds&&) = delete;

// Sounds as a Spelling, for the plain distance: a byte a sound, as they are.
// A spelling would fold the sounds written as capitals into others (S, as in
// ship, into s), letting lines through that sound further off than the reach.
Spelling soundsAsSpelling(std::string_view sounds) {
  static_assert(kSoundSlot <= Spelling::kMaxLength);
  Spelling spelling;
  for (const char sound : sounds)
    spelling.chars[spelling.length++] = static_cast<unsigned char>(sound);
  return spelling;
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

// A byte that tells most characters apart, for the first two of a word: 0 for
// none. Characters that share one only let more lines through.
std::uint8_t openingMark(const Spelling& spelling, std::size_t at) {
  return at < spelling.length ? static_cast<std::uint8_t>(spelling.chars[at] | 0x80u) : 0;
}

bool isCapital(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

// What a line must be like to be looked at closely, worked out once from the
// typed word or from its sound key: its length and letter set, how many edits
// away it may be, and its first two characters.
struct Sketch {
  std::uint32_t set;
  std::uint8_t length;
  std::uint8_t reach;
  std::uint8_t first;
  std::uint8_t second;
};

// Whether a word of `length` letters, opening with `first` and `second`, may
// be near the sketch's: each edit changes the length by one at most. And the
// two must open alike: people seldom slip on a word's first letter, or its
// first sound, so the two start alike, or one has a letter (or sound) more in
// front, or the first two are swapped; a first letter heard wrong is the sound
// key's to find, and a first sound heard wrong is too far. Bytes and no
// branch, so that the compiler can test many lines at once.
std::uint8_t opensNear(const Sketch& typed, std::uint8_t length, std::uint8_t first,
                       std::uint8_t second) {
  const auto shifted = static_cast<std::uint8_t>(length + typed.reach - typed.length);
  return static_cast<std::uint8_t>(
      (shifted <= 2 * typed.reach) &
      ((first == typed.first) | (first == typed.second) | (second == typed.first)));
}

// Whether `set` has at most `most` bits: without a population count, which
// the baseline x86-64 lacks and a library call makes dear here.
bool atMostBits(std::uint32_t set, std::uint32_t most) {
  for (std::uint32_t i = 0; i < most; ++i) set &= set - 1;
  return set == 0;
}

// Whether a letter set may be near the sketch's: each edit adds or takes away
// one letter at most.
bool lettersNear(const Sketch& typed, std::uint32_t set) {
  return atMostBits(typed.set & ~set, typed.reach) && atMostBits(set & ~typed.set, typed.reach);
}

// The first consonant a word is heard to open with, for the first look: people
// hear the vowels of a word in many ways, its first consonant seldom amiss
// (and s and z, sh and zh as one); 'V' for a word of vowels alone.
std::uint8_t openingSound(std::string_view sounds) {
  for (const char sound : sounds) {
    if (sound == 'z') return 's';
    if (sound == 'Z') return 'S';
    if (sound != 'h' && sound != 'H' && !isVowelSound(sound))
      return static_cast<std::uint8_t>(sound);
  }
  return 'V';
}

// The consonants of a word, a bit each, for the first look.
std::uint32_t consonantSet(std::string_view sounds) {
  constexpr std::string_view kConsonants = "pbtdkgfvszmnlrwyhSZCJTNH";
  std::uint32_t set = 0;
  for (const char sound : sounds) {
    const std::size_t at = kConsonants.find(sound);
    if (at != std::string_view::npos) set |= 1u << at;
  }
  return set;
}

// Whether a line heard as `length` sounds opening with `opening` may be near
// the sounds of the sketch: each edit changes the length by one at most.
std::uint8_t soundsNear(const Sketch& heard, std::uint8_t length, std::uint8_t opening) {
  const auto shifted = static_cast<std::uint8_t>(length + heard.reach - heard.length);
  return static_cast<std::uint8_t>((shifted <= 2 * heard.reach) & (opening == heard.first));
}

struct Candidate {
  int score;
  std::uint32_t line;
  bool operator<(const Candidate& other) const {
    return score != other.score ? score < other.score : line < other.line;
  }
};

// The lines a thread takes at a time: enough to make taking them cost nothing,
// and a whole number of the first look's blocks.
constexpr std::uint32_t kPiece = 4096;
constexpr std::uint32_t kBlock = 64;
static_assert(kPiece % kBlock == 0);

// The shortest query that gets a helper when the caller leaves it to the
// query, as estimated from the first piece. A helper woken for a query of a
// few milliseconds made a run of many such queries slower, on two cores with
// other work waiting: its core came too late to matter.
constexpr std::chrono::milliseconds kNearWorthAHelper{15};

}  // namespace

struct NearIndex::Columns {
  // One block, cut into a column for each field, so that the first look at the
  // lines reads bytes side by side, many lines to an instruction.
  void* block;
  std::uint32_t* letters;  // the first word's letter set, and kBare and kCapital
  std::uint32_t* keyChars;
  std::uint8_t* length;  // the first word's letters, at most 255
  std::uint8_t* first;   // the openingMark of its first two characters
  std::uint8_t* second;
  std::uint8_t* keyLength;
  std::uint8_t* keyFirst;  // its sound key's first two characters
  std::uint8_t* keySecond;
  std::uint32_t* soundSet;     // the consonantSet of its sounds
  std::uint8_t* soundLength;   // how many of its sounds are kept, at most kSoundSlot
  std::uint8_t* soundOpening;  // its openingSound
  std::uint8_t* rarity;        // how rare its word is: rarityOf its level
  char* sounds;                // kSoundSlot bytes a line

  static constexpr std::size_t kBytesPerLine = 3 * sizeof(std::uint32_t) + 9 + kSoundSlot;
};

bool NearIndex::build(const WordList& list, const SoundIndex& keys, TextEncoding encoding,
                      Notifier& notifier, const Commonness* common, Sharing sharing) {
  release();
  const std::uint32_t count = list.count();
  const std::uint64_t bytes = std::uint64_t{count} * Columns::kBytesPerLine;
  void* block = bytes <= std::numeric_limits<std::size_t>::max()
                    ? std::malloc(std::max<std::size_t>(static_cast<std::size_t>(bytes), 1))
                    : nullptr;
  auto* columns = block != nullptr ? new (std::nothrow) Columns : nullptr;
  if (columns == nullptr) {
    std::free(block);
    // The program goes on without the near search, so the message is a warning
    // that does not say it closes; made without allocating, as memory ran out.
    char message[96];
    std::snprintf(message, sizeof message, "Cannot get memory (%llu bytes) for the near search.",
                  static_cast<unsigned long long>(bytes));
    notifier.warning(message);
    return false;
  }
  adviseLargeBlock(block, static_cast<std::size_t>(bytes));
  columns->block = block;
  columns->letters = static_cast<std::uint32_t*>(block);
  columns->keyChars = columns->letters + count;
  columns->soundSet = columns->keyChars + count;
  auto* const byteColumns = reinterpret_cast<std::uint8_t*>(columns->soundSet + count);
  std::uint8_t** const each[] = {&columns->length,      &columns->first,        &columns->second,
                                 &columns->keyLength,   &columns->keyFirst,     &columns->keySecond,
                                 &columns->soundLength, &columns->soundOpening, &columns->rarity};
  for (std::size_t c = 0; c < std::size(each); ++c) *each[c] = byteColumns + c * count;
  columns->sounds = reinterpret_cast<char*>(byteColumns + std::size(each) * count);

  const WordEntry* const entries = list.entries();
  const SoundKey* const stored = keys.keys();
  const bool knows = common != nullptr && !common->empty();
  auto describe = [&](std::uint32_t begin, std::uint32_t end) {
    for (std::uint32_t i = begin; i < end; ++i) {
      const std::string_view word = firstWordOf(entries[i].text);
      const Spelling spelling = spellingOf(word, encoding);
      const Letters letters = lettersOf(spelling);
      const char32_t first = spelling.length > 0 ? decodeChar(word, 0, encoding).code : 0;
      std::uint32_t marks = letters.set;
      if (word.data()[word.size()] == '\0') marks |= kBare;
      if (isCapital(first)) marks |= kCapital;
      columns->letters[i] = marks;
      columns->keyChars[i] = keySet(stored[i]);
      columns->length[i] = static_cast<std::uint8_t>(std::min<std::uint32_t>(letters.count, 255));
      columns->first[i] = openingMark(spelling, 0);
      columns->second[i] = openingMark(spelling, 1);
      columns->keyLength[i] = static_cast<std::uint8_t>(stored[i].view().size());
      columns->keyFirst[i] = static_cast<std::uint8_t>(stored[i].text[0]);
      columns->keySecond[i] = static_cast<std::uint8_t>(stored[i].text[1]);
      const Sounds heard = soundsOf(spelling);
      const std::string_view sounds = keptSounds(heard);
      columns->soundLength[i] = static_cast<std::uint8_t>(sounds.size());
      columns->soundOpening[i] = openingSound(sounds);
      columns->soundSet[i] = consonantSet(sounds);
      std::copy(sounds.begin(), sounds.end(), columns->sounds + std::size_t{i} * kSoundSlot);
      columns->rarity[i] = knows ? rarityOf(common->levelOf(word)) : 0;
    }
  };
  shareOut(count, kPiece, describe, describe, forLines(sharing, count));
  list_ = &list;
  keys_ = &keys;
  encoding_ = encoding;
  knowsCommonness_ = knows;
  columns_ = columns;
  return true;
}

void NearIndex::release() {
  if (columns_ != nullptr) std::free(columns_->block);
  delete columns_;
  columns_ = nullptr;
  list_ = nullptr;
  keys_ = nullptr;
}

namespace {

// The best lines so far, the worst of them on top, so that a line that cannot
// enter them is known before its slips are counted.
class Best {
 public:
  explicit Best(std::uint32_t most) : most_(most) {}

  // The score a line must stay under to enter, or kOpen while there is room.
  int toBeat() const { return lines_.size() < most_ ? kOpen : lines_.front().score; }
  void add(const Candidate& line) {
    lines_.push_back(line);
    std::push_heap(lines_.begin(), lines_.end());
    if (lines_.size() > most_) {
      std::pop_heap(lines_.begin(), lines_.end());
      lines_.pop_back();
    }
  }
  // Takes the lines `other` kept: those the two would have kept as one.
  void take(const Best& other) {
    for (const Candidate& line : other.lines_) add(line);
  }
  // Best first; ties in file order.
  std::vector<Candidate> sorted() {
    std::sort_heap(lines_.begin(), lines_.end());
    return std::move(lines_);
  }

  static constexpr int kOpen = std::numeric_limits<int>::max();

 private:
  std::uint32_t most_;
  std::vector<Candidate> lines_;
};

}  // namespace

std::uint32_t nearSearch(const NearIndex& index, const char* query, std::uint32_t maxResults,
                         ResultSink& sink, Sharing sharing) {
  const std::string_view typedWord = firstWordOf(query);
  const Spelling typed = spellingOf(typedWord, index.encoding_);
  const Letters typedLetters = lettersOf(typed);
  if (maxResults == 0 || (typedLetters.set & kAToZBits) == 0) return 0;
  const SoundKey typedKey = soundKey(typedWord);
  const auto typedKeyLength = static_cast<std::uint32_t>(typedKey.view().size());
  const int wordSteps = wordReach(typedLetters.count);
  const int keySteps = keyReach(typedKeyLength);
  const Sketch word{
      typedLetters.set, static_cast<std::uint8_t>(std::min<std::uint32_t>(typedLetters.count, 255)),
      static_cast<std::uint8_t>(wordSteps), openingMark(typed, 0), openingMark(typed, 1)};
  // No line has an empty key within reach: an empty key opens with no character.
  const Sketch sound{keySet(typedKey), static_cast<std::uint8_t>(typedKeyLength),
                     static_cast<std::uint8_t>(keySteps),
                     static_cast<std::uint8_t>(typedKey.empty() ? 0xFF : typedKey.text[0]),
                     static_cast<std::uint8_t>(typedKey.empty() ? 0xFF : typedKey.text[1])};
  const bool typedCapital =
      typed.length > 0 && isCapital(decodeChar(typedWord, 0, index.encoding_).code);
  const PlainDistance fromTyped(typed);
  const PlainDistance fromTypedKey(spellingOf(typedKey.view(), TextEncoding::kSingleByte));
  const Sounds typedSounds = soundsOf(typed);
  const std::string_view heard = keptSounds(typedSounds);
  const int soundSteps = soundReach(heard.size());
  // No line is near a word that is not heard at all.
  const Sketch said{consonantSet(heard), static_cast<std::uint8_t>(heard.size()),
                    static_cast<std::uint8_t>(soundSteps),
                    heard.empty() ? std::uint8_t{0} : openingSound(heard), 0};
  const PlainDistance fromHeard(soundsAsSpelling(heard));

  const std::uint32_t count = index.list_->count();
  const WordEntry* const entries = index.list_->entries();
  const SoundKey* const keys = index.keys_->keys();
  const NearIndex::Columns& columns = *index.columns_;
  auto soundsOfLine = [&](std::uint32_t i) {
    return std::string_view(columns.sounds + std::size_t{i} * kSoundSlot, columns.soundLength[i]);
  };
  // The lines the index lets through, with what the index tells of them.
  struct Close {
    std::uint32_t line;
    bool byKey;
    bool bySound;
    int keyEdits;
  };
  // Looks at line i, which the first look let through by its word, its key or
  // its sounds (bits 1, 2 and 4 of `may`), as far as the index alone can tell.
  // Those it keeps have their text fetched at once, so that it has arrived by
  // the time they are looked at closely.
  auto gather = [&](std::uint32_t i, unsigned may, std::vector<Close>& close) {
    // A line whose first word holds no letter or digit has no word to be near.
    if (columns.length[i] == 0) return;
    const bool byWord = (may & 1) != 0 && lettersNear(word, columns.letters[i] & kLetterBits);
    const std::string_view key(keys[i].text, columns.keyLength[i]);
    int keyEdits = -1;  // not yet worked out
    if ((may & 2) != 0 && lettersNear(sound, columns.keyChars[i])) keyEdits = fromTypedKey.to(key);
    const bool byKey = keyEdits >= 0 && keyEdits <= keySteps;
    const bool bySound = (may & 4) != 0 && lettersNear(said, columns.soundSet[i]) &&
                         fromHeard.to(soundsOfLine(i)) <= soundSteps + 1;
    if (!byWord && !byKey && !bySound) return;
    if (keyEdits < 0) keyEdits = fromTypedKey.to(key);
    keyEdits = std::min(keyEdits, kKeyFar);
    __builtin_prefetch(entries[i].text);
    close.push_back({i, byKey, bySound, keyEdits});
  };
  // Looks closely at a line gathered; `best` takes the lines in file order.
  auto consider = [&](const Close& line, Best& best) {
    const std::uint32_t i = line.line;
    const Spelling spelling = spellingOf(firstWordOf(entries[i].text), index.encoding_);
    // A swap counts two plain edits and one slip: one more than the reach.
    if (!line.byKey && !line.bySound && fromTyped.to(spelling) > wordSteps + 1) return;
    if (spelling.length == typed.length &&
        std::equal(typed.chars, typed.chars + typed.length, spelling.chars)) {
      best.add({kEqual, i});
      return;
    }
    int rest = kKeyStep * line.keyEdits + kRarityStep * columns.rarity[i];
    if ((columns.letters[i] & kBare) != 0) rest += kBareLine;
    if ((columns.letters[i] & kCapital) != 0 && !typedCapital) rest += kCapitalised;
    int bound = line.byKey || line.bySound ? kFarthestSlip : wordSteps * kPlainEdit;
    // Ties go to the line met first: a later one must do better to enter.
    const int toBeat = best.toBeat();
    if (toBeat != Best::kOpen) bound = std::min(bound, toBeat - rest - 1);
    if (bound < 0) return;
    const int slip = slipDistance(typed, spelling, bound);
    const int heardBound = std::min(slip, bound + 1) - 1 - kHeardExtra;
    int score = slip;
    if (heardBound >= 0) {
      const int heardAs = soundDistance(heard, soundsOfLine(i), heardBound);
      if (heardAs <= heardBound) score = heardAs + kHeardExtra;
    }
    if (score <= bound) best.add({score + rest, i});
  };

  // The first look at lines [begin, end), `begin` a multiple of kBlock: a few
  // bytes of each line, a block of lines at a time; the few lines that pass
  // are gathered into `close`, in file order.
  auto firstLook = [&](std::uint32_t begin, std::uint32_t end, std::vector<Close>& close) {
    std::uint8_t passed[kBlock];
    for (std::uint32_t start = begin; start < end; start += kBlock) {
      const std::uint32_t lines = std::min(kBlock, end - start);
      const std::uint8_t* const length = columns.length + start;
      const std::uint8_t* const first = columns.first + start;
      const std::uint8_t* const second = columns.second + start;
      const std::uint8_t* const keyLength = columns.keyLength + start;
      const std::uint8_t* const keyFirst = columns.keyFirst + start;
      const std::uint8_t* const keySecond = columns.keySecond + start;
      const std::uint8_t* const soundLength = columns.soundLength + start;
      const std::uint8_t* const soundOpening = columns.soundOpening + start;
      for (std::uint32_t j = 0; j < lines; ++j) {
        passed[j] = static_cast<std::uint8_t>(
            opensNear(word, length[j], first[j], second[j]) |
            (opensNear(sound, keyLength[j], keyFirst[j], keySecond[j]) << 1) |
            (soundsNear(said, soundLength[j], soundOpening[j]) << 2));
      }
      for (std::uint32_t j = 0; j < lines; j += 8) {
        const std::uint32_t eight = std::min(8u, lines - j);
        std::uint64_t any = 0;
        std::memcpy(&any, passed + j, eight);
        if (any == 0) continue;
        for (std::uint32_t k = j; k < j + eight; ++k) {
          if (passed[k] != 0) gather(start + k, passed[k], close);
        }
      }
    }
  };

  // Each piece of the list is looked at in turn by the thread that takes it,
  // its lines gathered and then looked at closely, into that thread's heap.
  // A thread takes its pieces in file order, and of the lines the two heaps
  // keep, the best are those one heap would have kept.
  Best best(maxResults);
  Best helpers(maxResults);
  std::vector<Close> closeHere;
  std::vector<Close> closeThere;
  const std::thread::id caller = std::this_thread::get_id();
  const auto lookAt = [&](std::uint32_t from, std::uint32_t to) {
    const bool here = std::this_thread::get_id() == caller;
    std::vector<Close>& close = here ? closeHere : closeThere;
    close.clear();
    firstLook(from * kPiece, std::min(count, to * kPiece), close);
    for (const Close& line : close) consider(line, here ? best : helpers);
  };
  if (shareOut((count + kPiece - 1) / kPiece, 1, lookAt, lookAt, forLines(sharing, count),
               kNearWorthAHelper)) {
    best.take(helpers);
  }
  const std::vector<Candidate> found = best.sorted();
  for (const Candidate& line : found) sink.appendLine(entries[line.line].text);
  return static_cast<std::uint32_t>(found.size());
}

}  // namespace lexi
