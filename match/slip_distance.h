// slipDistance: how unlikely it is that a user who meant one word typed
// another, as a weighted edit distance in which the common slips are cheap.
//
// A letter replaced by an unrelated one costs kPlainEdit. The slips people
// make most cost less: a letter left out (the commonest of all) or added, a
// doubled letter typed once or a single one doubled, two neighbours swapped, a
// vowel for another vowel, a letter for one that sounds alike (c and k, s and
// z...) or for a key next to it, one spelling of a sound for another ("f" for
// "ph"), an accent or a hyphen left out. Case of A-Z does not count, as in the
// search.
//
// Words are compared as Spellings: the first word of a text, read in the list's
// encoding, one character a place. Neither function allocates or fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "wordlist/text_encoding.h"

namespace lexi {

// The cost of one unrelated letter for another; the slips cost less, in the
// same units.
inline constexpr int kPlainEdit = 10;

struct Spelling {
  // Longer words are compared on their first kMaxLength characters: no word
  // of a language is that long, and a query cannot make a comparison dear.
  static constexpr std::size_t kMaxLength = 40;

  char32_t chars[kMaxLength];  // A-Z folded to a-z; other characters as they are
  std::size_t length = 0;
};

// The letter a to z that `c` is written with, accents aside (e for é), or 0
// for a character that is no letter of Latin-1.
char baseLetter(char32_t c);

// The text of `text` before its first blank (or NUL, or its end), in `encoding`.
// A byte that is not valid UTF-8 in a UTF-8 text stands for itself.
Spelling spellingOf(std::string_view text, TextEncoding encoding);

// The cost of typing `typed` when `meant` was meant, or some value above
// `bound` as soon as the cost is sure to exceed `bound`.
int slipDistance(const Spelling& typed, const Spelling& meant, int bound);

// The plain edit distance from one spelling to others: inserts, drops and
// replacements each count one (a swap of neighbours counts two). It costs a few
// operations a character of the other spelling, whatever the lengths, and
// serves to pass over the words that slipDistance would only find far.
class PlainDistance {
 public:
  explicit PlainDistance(const Spelling& from);
  int to(const Spelling& other) const { return toChars(other.chars, other.length); }
  // The same for a sound key, or any text of one byte a character.
  int to(std::string_view other) const { return toChars(other.data(), other.size()); }

 private:
  // Bit i of where(c) says whether from.chars[i] is c.
  std::uint64_t where(char32_t c) const;
  template <class Char>
  int toChars(const Char* chars, std::size_t length) const;

  Spelling from_;
  std::uint64_t byByte_[256] = {};  // where() of the characters below 256
};

}  // namespace lexi
