#include "match/wild_match.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace lexi {

namespace {

constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

// foldAZ for every byte, looked up rather than compared on the hot path.
constexpr std::array<unsigned char, 256> kFold = [] {
  std::array<unsigned char, 256> fold{};
  for (unsigned c = 0; c < 256; ++c) fold[c] = static_cast<unsigned char>(foldAZ(char32_t{c}));
  return fold;
}();

unsigned char folded(char c) {
  return kFold[static_cast<unsigned char>(c)];
}

enum class Fit { kYes, kNo, kLineTooShort };

// Whether `run` (literals and '?', no star) fits the line from `at` on.
// Lines are read only up to their NUL, so no length is needed beforehand.
Fit fitAt(const char* at, std::string_view run) {
  for (std::size_t i = 0; i < run.size(); ++i) {
    if (at[i] == '\0') return Fit::kLineTooShort;
    if (run[i] != '?' && folded(at[i]) != folded(run[i])) return Fit::kNo;
  }
  return Fit::kYes;
}

// The leftmost place at or after `from` where `run` fits, or kNowhere. A star
// before the run can cover any gap, so the leftmost place leaves the most room
// for the rest of the pattern.
std::size_t leftmostFit(const char* line, std::size_t from, std::string_view run) {
  if (run.empty()) return from;
  const char first = run[0];
  for (std::size_t at = from; line[at] != '\0'; ++at) {
    if (first != '?' && folded(line[at]) != folded(first)) continue;
    const Fit fit = fitAt(line + at, run);
    if (fit == Fit::kYes) return at;
    if (fit == Fit::kLineTooShort) break;
  }
  return kNowhere;
}

// Eight bytes of the line at once, to look for blanks. Only little-endian
// machines are served this way; others take the byte-by-byte path.
constexpr bool kWordAtATime = std::endian::native == std::endian::little;
constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7Fu;

// 0x80 in each byte of `word` that is zero, 0 in every other byte.
std::uint64_t zeroBytes(std::uint64_t word) {
  return ~(((word & kLowBits) + kLowBits) | word | kLowBits);
}

std::uint64_t load8(const char* at) {
  std::uint64_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// Whether `run` fits somewhere at or after `from` so that it ends where the
// matched part of the line may end: at a blank or at the end of the line.
bool fitsAtAnEnd(const char* line, std::size_t from, std::string_view run) {
  const std::size_t k = run.size();
  if (k == 0) return true;  // the end of the line is always such a place
  const std::size_t length = from + std::strlen(line + from);
  if (length < from + k) return false;
  if (fitAt(line + length - k, run) == Fit::kYes) return true;

  // Then every blank, and lines have many: look only at the blanks whose byte
  // before is the run's last one, eight bytes at a time.
  const char last = run.back();
  const auto lastFolded = folded(last);
  const bool lastIsLetter = lastFolded >= 'a' && lastFolded <= 'z';
  auto tryEnd = [&](std::size_t end) { return fitAt(line + end - k, run) == Fit::kYes; };
  std::size_t before = from + k - 1;  // the byte before the earliest end
  if constexpr (kWordAtATime) {
    constexpr std::uint64_t kBlanks = kEveryByte * ' ';
    const std::uint64_t wanted = kEveryByte * lastFolded;
    auto endsInWord = [&](std::size_t at) {
      std::uint64_t ends = zeroBytes(load8(line + at + 1) ^ kBlanks);
      if (last != '?') {
        const std::uint64_t bytes = load8(line + at);
        // A letter's two cases differ in 0x20 only; any other byte stands for itself.
        ends &= zeroBytes((lastIsLetter ? bytes | (kEveryByte * 0x20) : bytes) ^ wanted);
      }
      for (; ends != 0; ends &= ends - 1) {
        if (tryEnd(at + 1 + static_cast<std::size_t>(std::countr_zero(ends)) / 8)) return true;
      }
      return false;
    };
    if (before + 9 <= length) {
      for (; before + 9 <= length; before += 8) {
        if (endsInWord(before)) return true;
      }
      // The last bytes as one more word that overlaps the ones already seen.
      return before + 1 < length && endsInWord(length - 9);
    }
  }
  for (std::size_t end = before + 1; end < length; ++end) {
    if (line[end] == ' ' && tryEnd(end)) return true;
  }
  return false;
}

// Every byte a character: a single-byte list, or a pattern that meets a UTF-8
// line only where a character begins. A run takes as many bytes as it has.
struct ByteSteps {
  static Fit fit(const char* at, std::string_view run, std::size_t& taken) {
    taken = run.size();
    return fitAt(at, run);
  }
  static std::size_t leftmost(const char* line, std::size_t from, std::string_view run,
                              std::size_t& taken) {
    taken = run.size();
    return leftmostFit(line, from, run);
  }
  static bool fitsAtAnEnd(const char* line, std::size_t from, std::string_view run) {
    return lexi::fitsAtAnEnd(line, from, run);
  }
};

std::size_t lineCharSize(const char* at) {
  return static_cast<unsigned char>(*at) < 0x80 ? 1 : utf8CharSize(at);
}

// A UTF-8 line read a character at a time, for a pattern with '?' (one
// character, however many bytes) or with bytes that are not well formed (a
// stray byte is a character of its own, never the start of a longer one).
struct CharSteps {
  static Fit fit(const char* at, std::string_view run, std::size_t& taken) {
    std::size_t l = 0;
    for (std::size_t i = 0; i < run.size();) {
      if (at[l] == '\0') return Fit::kLineTooShort;
      const std::size_t lineSize = lineCharSize(at + l);
      if (run[i] == '?') {
        l += lineSize;
        ++i;
        continue;
      }
      const auto lead = static_cast<unsigned char>(run[i]);
      const std::size_t size = lead < 0x80 ? 1 : decodeChar(run, i, TextEncoding::kUtf8).size;
      if (size != lineSize) return Fit::kNo;
      for (std::size_t k = 0; k < size; ++k) {
        if (folded(at[l + k]) != folded(run[i + k])) return Fit::kNo;
      }
      l += size;
      i += size;
    }
    taken = l;
    return Fit::kYes;
  }
  // A run has a fixed number of characters, so its leftmost fit is the best,
  // as with bytes; only the places it is tried are the characters' starts.
  static std::size_t leftmost(const char* line, std::size_t from, std::string_view run,
                              std::size_t& taken) {
    taken = 0;
    if (run.empty()) return from;
    for (std::size_t at = from; line[at] != '\0'; at += lineCharSize(line + at)) {
      const Fit fit = CharSteps::fit(line + at, run, taken);
      if (fit == Fit::kYes) return at;
      if (fit == Fit::kLineTooShort) break;
    }
    return kNowhere;
  }
  // The length of a run in bytes depends on where it lies, so every start is
  // tried and its end looked at.
  static bool fitsAtAnEnd(const char* line, std::size_t from, std::string_view run) {
    if (run.empty()) return true;
    for (std::size_t at = from;; at += lineCharSize(line + at)) {
      std::size_t taken = 0;
      const Fit fit = CharSteps::fit(line + at, run, taken);
      if (fit == Fit::kLineTooShort) return false;
      if (fit == Fit::kYes && (line[at + taken] == '\0' || line[at + taken] == ' ')) return true;
    }
  }
};

}  // namespace

bool patternReadsCharacters(std::string_view pattern) {
  return pattern.find('?') != std::string_view::npos || !isValidUtf8(pattern);
}

WildPattern::WildPattern(std::string_view pattern, TextEncoding encoding)
    : pattern_(pattern),
      byChars_(encoding == TextEncoding::kUtf8 && patternReadsCharacters(pattern)),
      stars_{} {
  for (std::size_t i = 0; i < pattern.size() && starCount_ <= kMaxStars; ++i) {
    if (pattern[i] == '*') stars_[starCount_++] = i;
  }
}

template <class Steps>
int WildPattern::matchBy(const char* line) const {
  std::size_t taken = 0;
  if (starCount_ == 0) {
    const bool fits = Steps::fit(line, pattern_, taken) == Fit::kYes &&
                      (line[taken] == '\0' || line[taken] == ' ');
    return fits ? kMatch : kNoMatch;
  }

  const std::string_view head = pattern_.substr(0, stars_[0]);
  if (Steps::fit(line, head, taken) != Fit::kYes) return kNoMatch;
  std::size_t at = taken;

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
    const std::size_t found = Steps::leftmost(line, at, runAfter(star), taken);
    if (found == kNowhere) return kNoMatch;
    at = found + taken;
  }
  const std::string_view tail = runAfter(lastStar);
  if (tooMany) return Steps::leftmost(line, at, tail, taken) == kNowhere ? kNoMatch : kTooManyStars;
  return Steps::fitsAtAnEnd(line, at, tail) ? kMatch : kNoMatch;
}

// Apart from the byte path, so that the common case keeps the registers and the
// frame it had on its own.
[[gnu::noinline]] int WildPattern::matchChars(const char* line) const {
  return matchBy<CharSteps>(line);
}

int WildPattern::match(const char* line) const {
  return byChars_ ? matchChars(line) : matchBy<ByteSteps>(line);
}

int wildMatch(const char* line, const char* pattern, TextEncoding encoding) {
  return WildPattern(pattern, encoding).match(line);
}

}  // namespace lexi
