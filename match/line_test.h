// LineTest: one query tested against one line at a time, the question that
// searchWords asks of every line, for a caller that reads the lines one by one
// and never holds the list (the query tool).
#pragma once

#include <optional>

#include "match/sound_key.h"
#include "match/wild_match.h"
#include "wordlist/text_encoding.h"

namespace lexi {

// Whether `query` is a pattern: it holds a '*' or a '?'.
bool isPattern(const char* query);

// It refers to `query`, which must outlive it.
class LineTest {
 public:
  // `query` (NUL-terminated, not empty) over lines in `encoding`, as for searchWords.
  LineTest(const char* query, TextEncoding encoding);

  // kMatch, kNoMatch, or for a pattern with too many stars kTooManyStars (see
  // wildMatch), for a NUL-terminated line.
  int test(const char* line) const;

  // Whether test() can answer kTooManyStars: only then does one line's answer
  // end a search.
  bool mayStop() const { return mayStop_; }

  // The query's sound key, or nullptr for a pattern. The empty key matches nothing.
  const SoundKey* key() const { return pattern_ ? nullptr : &key_; }

 private:
  std::optional<WildPattern> pattern_;
  SoundKey key_{};
  bool mayStop_ = false;
};

}  // namespace lexi
