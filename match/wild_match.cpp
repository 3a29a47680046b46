#include "match/wild_match.h"

#include <array>
#include <cstring>

namespace lexi {

namespace {

constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

// Only A-Z fold: the comparison must not depend on a locale or a code page.
constexpr std::array<unsigned char, 256> kFold = [] {
  std::array<unsigned char, 256> fold{};
  for (unsigned c = 0; c < 256; ++c) {
    fold[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
  }
  return fold;
}();

unsigned char folded(char c) {
  return kFold[static_cast<unsigned char>(c)];
}

// Whether `run` (literals and '?', no star) fits the line at `at`; the caller
// has made sure that the line is long enough.
bool fitsAt(const char* line, std::size_t at, std::string_view run) {
  for (std::size_t i = 0; i < run.size(); ++i) {
    if (run[i] != '?' && folded(line[at + i]) != folded(run[i])) return false;
  }
  return true;
}

// The leftmost place at or after `from` where `run` fits, or kNowhere. A star
// before the run can cover any gap, so the leftmost place leaves the most room
// for the rest of the pattern.
std::size_t leftmostFit(const char* line, std::size_t length, std::size_t from,
                        std::string_view run) {
  if (run.size() > length || from > length - run.size()) return kNowhere;
  if (run.empty()) return from;
  const char first = run[0];
  for (std::size_t at = from; at <= length - run.size(); ++at) {
    if ((first == '?' || folded(line[at]) == folded(first)) && fitsAt(line, at, run)) return at;
  }
  return kNowhere;
}

// Whether `run` fits somewhere at or after `from` so that it ends where the
// matched part of the line may end: at a blank or at the end of the line.
bool fitsAtAnEnd(const char* line, std::size_t length, std::size_t from, std::string_view run) {
  const std::size_t shortest = from + run.size();
  if (run.size() > length || shortest > length) return false;
  if (fitsAt(line, length - run.size(), run)) return true;
  const char* blank =
      static_cast<const char*>(std::memchr(line + shortest, ' ', length - shortest));
  while (blank != nullptr) {
    const auto end = static_cast<std::size_t>(blank - line);
    if (fitsAt(line, end - run.size(), run)) return true;
    blank = static_cast<const char*>(std::memchr(blank + 1, ' ', length - end - 1));
  }
  return false;
}

}  // namespace

WildPattern::WildPattern(std::string_view pattern) : pattern_(pattern), stars_{} {
  for (std::size_t i = 0; i < pattern.size() && starCount_ <= kMaxStars; ++i) {
    if (pattern[i] == '*') stars_[starCount_++] = i;
  }
}

int WildPattern::match(const char* line) const {
  const std::size_t length = std::strlen(line);
  if (starCount_ == 0) {
    const std::size_t n = pattern_.size();
    const bool fits = n <= length && fitsAt(line, 0, pattern_) && (n == length || line[n] == ' ');
    return fits ? kMatch : kNoMatch;
  }

  const std::string_view head = pattern_.substr(0, stars_[0]);
  if (head.size() > length || !fitsAt(line, 0, head)) return kNoMatch;
  std::size_t at = head.size();

  // With too many stars only the part before the one too many is matched, and
  // it may end anywhere: reaching that star is what the caller must hear of.
  const bool tooMany = starCount_ > kMaxStars;
  const int lastStar = tooMany ? kMaxStars - 1 : starCount_ - 1;
  auto runAfter = [&](int star) {
    const std::size_t begin = stars_[star] + 1;
    const std::size_t end = star + 1 < starCount_ ? stars_[star + 1] : pattern_.size();
    return pattern_.substr(begin, end - begin);
  };
  for (int star = 0; star < lastStar; ++star) {
    const std::string_view run = runAfter(star);
    const std::size_t found = leftmostFit(line, length, at, run);
    if (found == kNowhere) return kNoMatch;
    at = found + run.size();
  }
  const std::string_view tail = runAfter(lastStar);
  if (tooMany) return leftmostFit(line, length, at, tail) == kNowhere ? kNoMatch : kTooManyStars;
  return fitsAtAnEnd(line, length, at, tail) ? kMatch : kNoMatch;
}

int wildMatch(const char* line, const char* pattern) {
  return WildPattern(pattern).match(line);
}

}  // namespace lexi
