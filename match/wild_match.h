// wildMatch: does a line of the word list match a wildcard pattern?
//
//   *  any run of characters, including none (it may cover blanks)
//   ?  exactly one character (a blank included)
//   anything else stands for itself; A-Z equal a-z, no other byte is folded.
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

namespace lexi {

inline constexpr int kMatch = 0;
inline constexpr int kNoMatch = 1;
inline constexpr int kTooManyStars = -9999;

inline constexpr int kMaxStars = 8;

// A pattern split at its stars once, to be matched against many lines.
// It refers to the pattern's bytes, which must outlive it.
class WildPattern {
 public:
  explicit WildPattern(std::string_view pattern);

  // kMatch, kNoMatch or kTooManyStars for a NUL-terminated line.
  int match(const char* line) const;

 private:
  std::string_view pattern_;
  // Star positions in the pattern: the first kMaxStars, then the one that is too many.
  std::size_t stars_[kMaxStars + 1];
  int starCount_ = 0;  // at most kMaxStars + 1
};

// Matches one line against one NUL-terminated pattern.
int wildMatch(const char* line, const char* pattern);

}  // namespace lexi
