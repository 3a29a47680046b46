#include "match/slip_distance.h"

#include <algorithm>
#include <array>
#include <bit>
#include <iterator>
#include <limits>
#include <utility>

namespace lexi {

namespace {

// What each slip costs, in tenths of a plain edit.
constexpr int kAccent = 2;       // e for é: the accent left out or put in
constexpr int kPunctuation = 2;  // a hyphen, apostrophe or full stop left out or added
constexpr int kDouble = 3;       // a double typed single, or a single doubled
constexpr int kSwap = 5;         // two neighbours swapped
constexpr int kVowel = 6;        // a vowel for another
constexpr int kSoundAlike = 5;   // c for k, s for z...
constexpr int kNeighbourKey = 6;
// A letter left out is the commonest slip of all, and a vowel or an h left out
// commoner still; a letter typed in addition is rarer, and one that cannot be
// heard rarer than one that can.
constexpr int kDropped = 5;
constexpr int kDroppedQuiet = 4;  // a vowel or an h
constexpr int kAdded = 8;
constexpr int kAddedQuiet = 6;
constexpr int kSpelledAlike = 3;  // "f" for "ph": one sound, two spellings

// Spellings of one sound that English mixes up, either way round.
struct AlikeSpellings {
  std::string_view one;
  std::string_view other;
};
constexpr AlikeSpellings kAlikeSpellings[] = {
    {"f", "ph"}, {"f", "gh"},   {"k", "ck"},  {"c", "ck"},  {"w", "wh"},  {"r", "wr"},
    {"n", "kn"}, {"n", "gn"},   {"m", "mb"},  {"s", "sc"},  {"kw", "qu"}, {"ks", "x"},
    {"j", "dg"}, {"ch", "tch"}, {"sh", "ti"}, {"sh", "ci"}, {"k", "ch"},  {"s", "ps"},
};

// The letter a to z that `c` is written with, accents aside, or 0. Latin-1's
// letters with an accent are where both encodings put them (U+00C0 to U+00FF).
constexpr std::array<char, 64> kLatin1Bases = [] {
  std::array<char, 64> bases{};
  const char* const upper =
      "aaaaaaaceeeeiiii"
      "dnooooo\0ouuuuy\0s";
  for (std::size_t i = 0; i < 32; ++i) bases[i] = bases[i + 32] = upper[i];
  bases[0x3F] = 'y';  // ÿ
  bases[0x37] = 0;    // ÷
  return bases;
}();

bool isVowel(char c) {
  return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y';
}

// A character that is neither a letter nor a digit: "well-being", "don't".
bool isPunctuation(char32_t c) {
  return baseLetter(c) == 0 && !(c >= '0' && c <= '9') && c < 0x80;
}

// Pairs of letters that stand for one sound often enough to be mistaken.
constexpr std::string_view kSoundAlikes[] = {"ck", "cs", "kq", "sz", "gj", "fv", "dt",
                                             "bp", "mn", "iy", "xz", "sx", "wu"};

// The keys around each key of a QWERTY keyboard: beside it, and above or below.
constexpr std::string_view kRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};

using PairTable = std::array<std::array<bool, 26>, 26>;

constexpr void setPair(PairTable& table, char a, char b) {
  table[static_cast<std::size_t>(a - 'a')][static_cast<std::size_t>(b - 'a')] = true;
  table[static_cast<std::size_t>(b - 'a')][static_cast<std::size_t>(a - 'a')] = true;
}

constexpr PairTable kAlike = [] {
  PairTable table{};
  for (const std::string_view pair : kSoundAlikes) setPair(table, pair[0], pair[1]);
  return table;
}();

constexpr PairTable kNeighbours = [] {
  PairTable table{};
  for (std::size_t row = 0; row < 3; ++row) {
    const std::string_view keys = kRows[row];
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (i + 1 < keys.size()) setPair(table, keys[i], keys[i + 1]);
      if (row == 0) continue;
      // A key of a lower row sits between the key above it and the next one.
      const std::string_view above = kRows[row - 1];
      setPair(table, keys[i], above[i]);
      if (i + 1 < above.size()) setPair(table, keys[i], above[i + 1]);
    }
  }
  return table;
}();

}  // namespace

char baseLetter(char32_t c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c);
  if (c >= 0xC0 && c <= 0xFF) return kLatin1Bases[c - 0xC0];
  return 0;
}

namespace {

int replaceCost(char32_t typed, char32_t meant) {
  if (typed == meant) return 0;
  const char a = baseLetter(typed);
  const char b = baseLetter(meant);
  if (a == 0 || b == 0) return kPlainEdit;
  if (a == b) return kAccent;
  if (isVowel(a) && isVowel(b)) return kVowel;
  const std::size_t i = static_cast<std::size_t>(a - 'a');
  const std::size_t j = static_cast<std::size_t>(b - 'a');
  if (kAlike[i][j]) return kSoundAlike;
  if (kNeighbours[i][j]) return kNeighbourKey;
  return kPlainEdit;
}

// The cost of the character at `at` of `word` being there in one spelling and
// not in the other: left out of the typed word when `word` is the meant one,
// added to it when `word` is the typed one.
int extraCost(const Spelling& word, std::size_t at, bool leftOut) {
  const char32_t c = word.chars[at];
  if ((at > 0 && word.chars[at - 1] == c) || (at + 1 < word.length && word.chars[at + 1] == c)) {
    return kDouble;
  }
  if (isPunctuation(c)) return kPunctuation;
  const char base = baseLetter(c);
  if (base == 'h' || isVowel(base)) return leftOut ? kDroppedQuiet : kAddedQuiet;
  return leftOut ? kDropped : kAdded;
}

}  // namespace

Spelling spellingOf(std::string_view text, TextEncoding encoding) {
  Spelling spelling;
  for (std::size_t at = 0; at < text.size() && spelling.length < Spelling::kMaxLength;) {
    const auto byte = static_cast<unsigned char>(text[at]);
    // Most characters of most lists are ASCII, one byte in either encoding.
    const DecodedChar decoded = byte < 0x80 ? DecodedChar{byte, 1} : decodeChar(text, at, encoding);
    char32_t c = decoded.code;
    if (c == ' ' || c == '\0') break;
    c = foldAZ(c);
    spelling.chars[spelling.length++] = c;
    at += decoded.size;
  }
  return spelling;
}

namespace {

// Whether `spelling` holds `part` just before `end`.
bool endsWith(const Spelling& spelling, std::size_t end, std::string_view part) {
  if (end < part.size()) return false;
  for (std::size_t k = 0; k < part.size(); ++k) {
    if (spelling.chars[end - part.size() + k] != static_cast<unsigned char>(part[k])) return false;
  }
  return true;
}

// The alike spellings, each way round: typed `from` for `to`.
struct AlikeRule {
  std::string_view from;
  std::string_view to;
};
constexpr std::size_t kRuleCount = 2 * std::size(kAlikeSpellings);
constexpr std::array<AlikeRule, kRuleCount> kAlikeRules = [] {
  std::array<AlikeRule, kRuleCount> rules{};
  std::size_t r = 0;
  for (const AlikeSpellings& alike : kAlikeSpellings) {
    rules[r++] = {alike.one, alike.other};
    rules[r++] = {alike.other, alike.one};
  }
  return rules;
}();
static_assert(kRuleCount <= 64);

// For each pair of last letters (typed, meant), the rules that end so: most
// cells of the table need look at none.
constexpr std::array<std::array<std::uint64_t, 26>, 26> kRulesEnding = [] {
  std::array<std::array<std::uint64_t, 26>, 26> ending{};
  for (std::size_t r = 0; r < kRuleCount; ++r) {
    const auto a = static_cast<std::size_t>(kAlikeRules[r].from.back() - 'a');
    const auto b = static_cast<std::size_t>(kAlikeRules[r].to.back() - 'a');
    ending[a][b] |= std::uint64_t{1} << r;
  }
  return ending;
}();

std::uint64_t rulesEnding(char32_t typed, char32_t meant) {
  if (typed < 'a' || typed > 'z' || meant < 'a' || meant > 'z') return 0;
  return kRulesEnding[typed - 'a'][meant - 'a'];
}

// The most rows of the table one step may pass over: a swap takes two typed
// characters at once, an alike spelling as many as it has.
constexpr std::size_t kRowsOneStep = [] {
  std::size_t most = 2;
  for (const AlikeRule& rule : kAlikeRules) most = std::max(most, rule.from.size());
  return most;
}();

// The cheapest way to reach d[i][j] through the alike spellings in `rules`.
template <class Table>
int throughAlikeSpellings(const Table& d, std::uint64_t rules, const Spelling& typed, std::size_t i,
                          const Spelling& meant, std::size_t j) {
  int best = std::numeric_limits<int>::max();
  for (; rules != 0; rules &= rules - 1) {
    const AlikeRule& rule = kAlikeRules[static_cast<std::size_t>(std::countr_zero(rules))];
    if (endsWith(typed, i, rule.from) && endsWith(meant, j, rule.to)) {
      best = std::min(best, d[i - rule.from.size()][j - rule.to.size()] + kSpelledAlike);
    }
  }
  return best;
}

}  // namespace

int slipDistance(const Spelling& typed, const Spelling& meant, int bound) {
  // d[i][j] is the cost of typing the first i characters of `typed` for the
  // first j of `meant`.
  constexpr std::size_t kWidth = Spelling::kMaxLength + 1;
  int d[kWidth][kWidth];
  const std::size_t n = meant.length;
  int leftOut[kWidth];  // of each character of `meant`
  d[0][0] = 0;
  for (std::size_t j = 1; j <= n; ++j) {
    leftOut[j] = extraCost(meant, j - 1, true);
    d[0][j] = d[0][j - 1] + leftOut[j];
  }
  // Every way through the table has a cell in any kRowsOneStep rows in turn:
  // only when each of them is above `bound` is the cost sure to be.
  std::size_t rowsAbove = 0;
  for (std::size_t i = 1; i <= typed.length; ++i) {
    const char32_t t = typed.chars[i - 1];
    const int added = extraCost(typed, i - 1, false);
    d[i][0] = d[i - 1][0] + added;
    int rowBest = d[i][0];
    for (std::size_t j = 1; j <= n; ++j) {
      const char32_t m = meant.chars[j - 1];
      int cost = d[i - 1][j - 1] + replaceCost(t, m);
      cost = std::min(cost, d[i - 1][j] + added);
      cost = std::min(cost, d[i][j - 1] + leftOut[j]);
      if (i > 1 && j > 1 && t == meant.chars[j - 2] && typed.chars[i - 2] == m && t != m) {
        cost = std::min(cost, d[i - 2][j - 2] + kSwap);
      }
      if (const std::uint64_t rules = rulesEnding(t, m); rules != 0) {
        cost = std::min(cost, throughAlikeSpellings(d, rules, typed, i, meant, j));
      }
      d[i][j] = cost;
      rowBest = std::min(rowBest, cost);
    }
    rowsAbove = rowBest > bound ? rowsAbove + 1 : 0;
    if (rowsAbove == kRowsOneStep) return bound + 1;
  }
  return d[typed.length][n];
}

PlainDistance::PlainDistance(const Spelling& from) : from_(from) {
  static_assert(Spelling::kMaxLength <= 64);
  for (std::size_t i = 0; i < from.length; ++i) {
    if (from.chars[i] < 256) byByte_[from.chars[i]] |= std::uint64_t{1} << i;
  }
}

std::uint64_t PlainDistance::where(char32_t c) const {
  if (c < 256) return byByte_[c];
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < from_.length; ++i) {
    bits |= std::uint64_t{from_.chars[i] == c} << i;
  }
  return bits;
}

namespace {

char32_t widened(char c) {
  return static_cast<unsigned char>(c);
}
char32_t widened(char32_t c) {
  return c;
}

}  // namespace

template <class Char>
int PlainDistance::toChars(const Char* chars, std::size_t length) const {
  // Myers' bit-parallel algorithm: bit i of the vectors holds the step from
  // row i to row i + 1 of the table's current column, +1 (pv) or -1 (mv).
  if (from_.length == 0) return static_cast<int>(length);
  const std::uint64_t last = std::uint64_t{1} << (from_.length - 1);
  std::uint64_t pv = ~std::uint64_t{0};
  std::uint64_t mv = 0;
  int score = static_cast<int>(from_.length);
  for (std::size_t j = 0; j < length; ++j) {
    const std::uint64_t eq = where(widened(chars[j]));
    const std::uint64_t xv = eq | mv;
    const std::uint64_t xh = (((eq & pv) + pv) ^ pv) | eq;
    std::uint64_t ph = mv | ~(xh | pv);
    std::uint64_t mh = pv & xh;
    score += (ph & last) != 0;
    score -= (mh & last) != 0;
    // The first row grows by one a column: the whole of `chars` against nothing.
    ph = (ph << 1) | 1;
    mh <<= 1;
    pv = mh | ~(xv | ph);
    mv = ph & xv;
  }
  return score;
}

template int PlainDistance::toChars(const char32_t*, std::size_t) const;
template int PlainDistance::toChars(const char*, std::size_t) const;

}  // namespace lexi
