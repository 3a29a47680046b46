// nearSearch: the lines whose first word is most likely the word a user meant,
// best first, for a word typed with a slip of the fingers or written as it
// sounds.
//
// The exact sound search (searchWords) lists every line whose key equals the
// query's, in file order; a word misheard by one sound, or typed with one slip,
// finds nothing there. The near search gathers the lines whose first word is a
// few edits from the typed word, whose sound key is an edit or two from its
// key, or whose sounds (match/word_sounds.h) are a few from its sounds, and
// ranks them by how likely the slip is: a doubled or dropped double, vowel for
// vowel, swapped neighbours, letters that sound alike, keys that lie side by
// side cost less than other edits, and a word heard alike costs the distance
// of its sounds, if that is less. Of two lines as near, the one whose word is
// commoner (match/commonness.h) comes first; commonness orders the lines, it
// never keeps one out. A first word equal to the query, ignoring the case of
// A-Z as the search does, always comes first; ties keep file order.
//
// Only the query's first word counts, as for the sound search. A query holding
// '*' or '?' is a pattern, not a word: callers send it to searchWords instead.
//
// Cost: NearIndex::build reads every line's first word once and works out its
// sounds (some 15 ms for 100,000 lines on one thread) and keeps 37 bytes a
// line. A query then looks at eight of them for every line, many lines at a
// time, and works only on the few thousand lines they let through.
#pragma once

#include <cstdint>

#include "base/two_threads.h"
#include "match/commonness.h"
#include "match/search.h"
#include "match/sound_index.h"
#include "wordlist/notifier.h"
#include "wordlist/text_encoding.h"
#include "wordlist/word_list.h"

namespace lexi {

// How many lines a near search lists unless told otherwise.
inline constexpr std::uint32_t kNearResults = 20;

// What the near search derives once from every line: the length and letters of
// its first word and of its sound key, so that a query can pass over the lines
// that cannot be near without reading their text.
class NearIndex {
 public:
  NearIndex() = default;
  ~NearIndex() { release(); }
  NearIndex(const NearIndex&) = delete;
  NearIndex& operator=(const NearIndex&) = delete;

  // Builds the index over `list`, whose lines are in `encoding`, and `keys`,
  // the sound index built over the same list; both must outlive this index's
  // use. `common` (may be empty, or null) says how common the words are; the
  // index keeps what it needs of it, so it may go once this returns. `sharing`
  // says whether a helper thread describes part of the lines. Returns false
  // when memory cannot be had, having warned `notifier` "Cannot get memory (N
  // bytes) for the near search."; the index is then empty.
  bool build(const WordList& list, const SoundIndex& keys, TextEncoding encoding,
             Notifier& notifier, const Commonness* common = nullptr,
             Sharing sharing = Sharing::kAutomatic);

  void release();

  bool built() const { return list_ != nullptr; }

 private:
  friend std::uint32_t nearSearch(const NearIndex&, const char*, std::uint32_t, ResultSink&,
                                  Sharing);

  struct Columns;  // what is kept of each line, in near_search.cpp

  const WordList* list_ = nullptr;
  const SoundIndex* keys_ = nullptr;
  TextEncoding encoding_ = TextEncoding::kSingleByte;
  bool knowsCommonness_ = false;
  Columns* columns_ = nullptr;
};

// Appends to `sink` at most `maxResults` lines of the index's list, best first,
// and returns how many it appended: none when no line is near, or when the
// query's first word holds no letter. `query` is NUL-terminated, in the list's
// encoding, and holds no '*' or '?'. Allocates a little for the candidates.
// `sharing` says whether a helper thread looks at part of the lines; the lines
// appended never depend on it.
std::uint32_t nearSearch(const NearIndex& index, const char* query, std::uint32_t maxResults,
                         ResultSink& sink, Sharing sharing = Sharing::kAutomatic);

}  // namespace lexi
