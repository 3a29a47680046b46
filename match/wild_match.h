// wildMatch: does a line of the word list match a wildcard pattern?
//
//   *  any run of characters, including none (it may cover blanks)
//   ?  exactly one character (a blank included)
//   anything else stands for itself; A-Z equal a-z, no other byte is folded.
//
// A character is what decodeChar reads in the list's encoding: a byte in a
// single-byte list; in a UTF-8 list a well-formed sequence, or a byte where the
// bytes are not well formed, so that `caf?` finds "café". A star covers whole
// characters. For a pattern of well-formed UTF-8 without '?' this is the same
// as matching bytes, which is what such a pattern costs.
//
// The whole pattern must match a leading part of the line that is the whole line
// or is followed by a blank (0x20), so a pattern normally matches the first word.
// A pattern may hold at most 8 stars. With more, the answer is kTooManyStars when
// the part of the pattern before its ninth star matches a leading part of the
// line, and kNoMatch otherwise: such a pattern never matches.
//
// The cost is bounded by O(line length x pattern length): each run between stars
// is placed at its leftmost fit, and only the last run tries the places where the
// line may end.
#pragma once

#include <cstddef>
#include <string_view>

#include "wordlist/text_encoding.h"

namespace lexi {

inline constexpr int kMatch = 0;
inline constexpr int kNoMatch = 1;
inline constexpr int kTooManyStars = -9999;

inline constexpr int kMaxStars = 8;

// Whether what `pattern` matches depends on the list's encoding: a '?' takes
// one character, and a byte that starts no well-formed UTF-8 sequence stands
// for itself alone, never for the first byte of a character. Any other pattern
// matches bytes and characters alike, so it costs no look at the list's
// encoding. The dialog and the query tool both ask this, so that one pattern
// finds the same lines in both.
bool patternReadsCharacters(std::string_view pattern);

// A pattern split at its stars once, to be matched against many lines of a
// list in `encoding`. It refers to the pattern's bytes, which must outlive it.
class WildPattern {
 public:
  WildPattern(std::string_view pattern, TextEncoding encoding);

  // kMatch, kNoMatch or kTooManyStars for a NUL-terminated line.
  int match(const char* line) const;

 private:
  template <class Steps>
  int matchBy(const char* line) const;
  int matchChars(const char* line) const;

  std::string_view pattern_;
  bool byChars_;  // whether the line must be read a character at a time
  // Star positions in the pattern: the first kMaxStars, then the one that is too many.
  std::size_t stars_[kMaxStars + 1];
  int starCount_ = 0;  // at most kMaxStars + 1
};

// Matches one line against one NUL-terminated pattern.
int wildMatch(const char* line, const char* pattern, TextEncoding encoding);

}  // namespace lexi
