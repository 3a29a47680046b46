// searchWords: one query over the whole word list.
//
// A query that holds a '*' or a '?' is a pattern, matched with wildMatch against
// every line. Any other query is reduced to its sound key, and every line whose
// key is equal is a match: the key from a SoundIndex when one is given, else
// computed as the search goes. Matching lines go to the sink whole, in file
// order. The sink keeps what it needs; the search allocates nothing but, on a
// long list that two threads share, a bit a line to mark the matches in.
#pragma once

#include "base/two_threads.h"
#include "match/line_test.h"
#include "match/sound_index.h"
#include "wordlist/notifier.h"
#include "wordlist/text_encoding.h"
#include "wordlist/word_list.h"

namespace lexi {

class ResultSink {
 public:
  virtual ~ResultSink() = default;
  // Adds one line after all others. `text` is an entry's text: it stays valid as
  // long as the word list, so a sink may keep the pointer instead of a copy.
  virtual void appendLine(const char* text) = 0;
};

inline constexpr const char* kTooManyStarsMessage = "Too many *";

enum class SearchOutcome {
  kDone,            // every line was looked at
  kStoppedByStars,  // the pattern has more than 8 stars; the warning was given
};

// Runs `query` (NUL-terminated, not empty) over `list`, whose lines are in
// `encoding` (detectEncoding): a '?' stands for one of its characters. `keys` is the index built
// over `list`, or nullptr to compute the keys instead (a single search costs less
// that way than building the index first). A pattern with too many stars stops
// the search at the first line that reaches its ninth star, with the warning
// "Too many *"; lines appended before it stay. `sharing` says whether a helper
// thread looks at part of the lines, where they are independent.
SearchOutcome searchWords(const WordList& list, TextEncoding encoding, const SoundIndex* keys,
                          const char* query, ResultSink& sink, Notifier& notifier,
                          Sharing sharing = Sharing::kAutomatic);

}  // namespace lexi
