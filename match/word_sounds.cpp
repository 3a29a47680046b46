#include "match/word_sounds.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lexi {

namespace {

bool isVowelLetter(char c) {
  return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

// The word as the letters a to z, accents aside, with three NULs after its
// end, so that the rules can look ahead without a bounds check.
class Letters {
 public:
  explicit Letters(const Spelling& spelling) {
    for (std::size_t i = 0; i < spelling.length; ++i) {
      const char letter = baseLetter(spelling.chars[i]);
      if (letter != 0) letters_[size_++] = letter;
    }
  }

  std::size_t size() const { return size_; }
  char at(std::size_t i) const { return i < size_ ? letters_[i] : '\0'; }
  bool isConsonant(std::size_t i) const { return at(i) != '\0' && !isVowelLetter(at(i)); }
  bool isVowel(std::size_t i) const { return isVowelLetter(at(i)); }
  // Whether the letters from `i` on are `text`.
  bool has(std::size_t i, std::string_view text) const {
    return std::string_view(letters_, size_).substr(std::min(i, size_), text.size()) == text;
  }
  // Whether the word ends right after the letters from `i` on, `text`.
  bool endsWith(std::size_t i, std::string_view text) const {
    return i + text.size() == size_ && has(i, text);
  }
  // Whether a vowel letter comes before `i`: a y counts but at the start,
  // where it is a consonant ("yes").
  bool vowelBefore(std::size_t i) const {
    const std::size_t end = std::min(i, size_);
    return std::any_of(letters_, letters_ + end, isVowelLetter) ||
           (end > 1 && std::find(letters_ + 1, letters_ + end, 'y') != letters_ + end);
  }

 private:
  char letters_[Spelling::kMaxLength + 3] = {};
  std::size_t size_ = 0;
};

// Endings after which an e still makes the vowel before its consonant long:
// "late", "lates", "lated", "lately", "lateness".
constexpr std::string_view kAfterSilentE[] = {"", "s", "d", "ly", "ness", "ment", "ful"};

// Whether the vowel at `i` is long by a silent e after one consonant: "nite", "hope".
bool longBySilentE(const Letters& w, std::size_t i) {
  const char consonant = w.at(i + 1);
  if (!w.isConsonant(i + 1) || consonant == 'w' || consonant == 'x' || consonant == 'y' ||
      w.at(i + 2) != 'e') {
    return false;
  }
  return std::any_of(std::begin(kAfterSilentE), std::end(kAfterSilentE),
                     [&](std::string_view ending) { return w.endsWith(i + 3, ending); });
}

// Whether the e at `i` is not heard: at the end after another vowel, or in an
// ending "es" or "ed" that only adds a consonant ("hopes", "loved").
bool silentE(const Letters& w, std::size_t i) {
  if (!w.vowelBefore(i)) return false;
  if (i + 1 == w.size()) return true;
  const char before = w.at(i - 1);
  if (w.endsWith(i + 1, "s"))
    return std::string_view("szxcgh").find(before) == std::string_view::npos;
  if (w.endsWith(i + 1, "d")) return before != 't' && before != 'd';
  return i >= 2 && longBySilentE(w, i - 2) && w.at(i - 2) != 'e';
}

class Writer {
 public:
  explicit Writer(Sounds& out) : out_(out) {}
  void put(char sound) {
    // A sound said twice in a row is heard once: "ss", "ck", "tt".
    if (out_.length > 0 && out_.chars[out_.length - 1] == sound) return;
    if (out_.length < Sounds::kMaxLength) out_.chars[out_.length++] = sound;
  }

 private:
  Sounds& out_;
};

// The sound of the vowel letter at `i`, with how many letters it takes.
struct Step {
  char sound;  // '\0': none
  std::size_t letters;
};

Step vowel(const Letters& w, std::size_t i) {
  const char next = w.at(i + 1);
  // An r that ends a syllable colours the vowel before it: "her", "bird", "turn".
  const bool rEndsSyllable =
      next == 'r' && !w.isVowel(i + 2) && w.at(i + 2) != 'r' && w.at(i + 2) != 'y';
  switch (w.at(i)) {
    case 'a':
      if (next == 'i' || next == 'y') return {'A', 2};
      if (next == 'u' || next == 'w') return {'Q', 2};
      if (w.has(i + 1, "ll") || w.has(i + 1, "lk")) return {'Q', w.at(i + 2) == 'k' ? 2u : 1u};
      return {longBySilentE(w, i) ? 'A' : 'a', 1};
    case 'e':
      if (next == 'e' || next == 'a') return {'E', 2};
      if (w.has(i + 1, "igh")) return {'A', 4};
      if (next == 'i') return {i > 0 && w.at(i - 1) == 'c' ? 'E' : 'A', 2};
      if (next == 'y') return {w.endsWith(i, "ey") ? 'E' : 'A', 2};
      if (next == 'u' || next == 'w') return {'U', 2};
      if (rEndsSyllable) return {'R', 2};
      // A last "le" after a consonant is heard as "ul": "people", "pinnacle".
      if (i >= 3 && w.endsWith(i - 1, "le") && w.isConsonant(i - 2)) return {'\0', 1};
      if (silentE(w, i)) return {'\0', 1};
      if (i + 1 == w.size()) return {'E', 1};
      return {longBySilentE(w, i) ? 'E' : 'e', 1};
    case 'i':
      if (w.has(i + 1, "gh")) return {'I', 3};
      if (next == 'e') return {w.endsWith(i, "ie") && !w.vowelBefore(i) ? 'I' : 'E', 2};
      if (rEndsSyllable) return {'R', 2};
      return {longBySilentE(w, i) ? 'I' : 'i', 1};
    case 'o':
      if (next == 'a') return {'O', 2};
      if (next == 'e' && w.endsWith(i, "oe")) return {'O', 2};
      if (next == 'i' || next == 'y') return {'Y', 2};
      if (next == 'o') return {'U', 2};
      // An ending "ous" is said as "us": "famous", "gorgeous".
      if (next == 'u' && w.endsWith(i + 2, "s") && i > 0) return {'u', 2};
      if (next == 'u' || next == 'w') return {'W', 2};
      if (next == 'r' && !w.isVowel(i + 2)) return {'Q', 1};
      if (i + 1 == w.size()) return {'O', 1};
      return {longBySilentE(w, i) ? 'O' : 'o', 1};
    default:  // 'u'
      if (next == 'e' || next == 'i') return {'U', 2};
      if (rEndsSyllable) return {'R', 2};
      return {longBySilentE(w, i) ? 'U' : 'u', 1};
  }
}

// The sound of the consonant letter at `i` (or of y), with how many letters it takes.
Step consonant(const Letters& w, std::size_t i) {
  const char c = w.at(i);
  const char next = w.at(i + 1);
  const bool first = i == 0;
  const bool front = next == 'e' || next == 'i' || next == 'y';
  switch (c) {
    case 'b':
      return {i > 0 && w.at(i - 1) == 'm' && i + 1 == w.size() ? '\0' : 'b', 1};
    case 'c':
      if (next == 'h') {
        // Greek words keep ch as k: "school", "chrome", "psychology".
        const bool hard = (i > 0 && (w.at(i - 1) == 's' || w.at(i - 1) == 'y')) ||
                          w.at(i + 2) == 'r' || w.at(i + 2) == 'l';
        return {hard ? 'k' : 'C', 2};
      }
      if (next == 'k') return {'k', 2};
      if (!first && next == 'i' &&
          (w.at(i + 2) == 'a' || w.at(i + 2) == 'o' || w.at(i + 2) == 'u')) {
        return {'S', 2};
      }
      if (next == 'c' && (w.at(i + 2) == 'e' || w.at(i + 2) == 'i')) return {'k', 1};
      return {front ? 's' : 'k', 1};
    case 'd':
      return next == 'g' && (w.at(i + 2) == 'e' || w.at(i + 2) == 'i') ? Step{'J', 2}
                                                                       : Step{'d', 1};
    case 'g':
      if (next == 'h') return {first ? 'g' : 'H', 2};
      if (next == 'n' && (first || w.endsWith(i, "gn") || w.endsWith(i, "gne"))) {
        return {'\0', 1};
      }
      if (next == 'g') return {'g', 2};
      return {front ? 'J' : 'g', 1};
    case 'h':
      return {first || (w.isVowel(i + 1) && !w.isConsonant(i - 1)) ? 'h' : '\0', 1};
    case 'j':
      return {'J', 1};
    case 'k':
      return {first && next == 'n' ? '\0' : 'k', 1};
    case 'n':
      if (next == 'g') return {'N', 2};
      return {next == 'k' ? 'N' : 'n', 1};
    case 'p':
      if (next == 'h') return {'f', 2};
      return {first && (next == 's' || next == 'n' || next == 't') ? '\0' : 'p', 1};
    case 'q':
      return {'k', 1};
    case 's':
      if (next == 'h') return {'S', 2};
      if (!first && next == 'i' && (w.at(i + 2) == 'o' || w.at(i + 2) == 'a')) {
        return {w.isVowel(i - 1) ? 'Z' : 'S', 2};
      }
      // Between two vowels an s is heard as z: "rose", "physics".
      return {
          !first && (w.isVowel(i - 1) || w.at(i - 1) == 'y') && (w.isVowel(i + 1) || next == 'y')
              ? 'z'
              : 's',
          1};
    case 't':
      if (next == 'h') return {'T', 2};
      if (w.has(i + 1, "ch")) return {'C', 3};
      if (!first && next == 'i' && (w.at(i + 2) == 'o' || w.at(i + 2) == 'a')) return {'S', 2};
      return {'t', 1};
    case 'w':
      if (first && next == 'r') return {'\0', 1};
      if (next == 'h') return {'w', 2};
      return {w.isVowel(i + 1) || next == 'y' ? 'w' : '\0', 1};
    case 'x':
      return {first ? 'z' : 'x', 1};
    case 'y':
      if (first || w.isVowel(i + 1)) return {'y', 1};
      // At the end, or before the s that ends a plural: "happy", "citys".
      if (i + 1 == w.size() || w.endsWith(i + 1, "s")) return {w.vowelBefore(i) ? 'E' : 'I', 1};
      return {longBySilentE(w, i) ? 'I' : 'i', 1};
    default:  // f, l, m, r, v, z, and the rest, as written
      return {c, 1};
  }
}

}  // namespace

Sounds soundsOf(const Spelling& spelling) {
  const Letters w(spelling);
  Sounds sounds;
  Writer out(sounds);
  for (std::size_t i = 0; i < w.size();) {
    const char letter = w.at(i);
    // "qu" is k and w; "x" is k and s.
    if (letter == 'q' && w.at(i + 1) == 'u') {
      out.put('k');
      out.put('w');
      i += 2;
      continue;
    }
    if (letter == 'l' && i >= 2 && w.endsWith(i, "le") && w.isConsonant(i - 1)) out.put('u');
    const Step step = isVowelLetter(letter) ? vowel(w, i) : consonant(w, i);
    if (step.sound == 'x') {
      out.put('k');
      out.put('s');
    } else if (step.sound != '\0') {
      out.put(step.sound);
    }
    i += step.letters;
  }
  return sounds;
}

bool isVowelSound(char sound) {
  return std::string_view("aeiouAEIOUWYQR").find(sound) != std::string_view::npos;
}

namespace {

// What each difference costs, in tenths of a plain edit.
constexpr int kVowelForVowel = 4;
constexpr int kVowelAlike = 2;      // the vowels one spelling stands for: "ea", "ow"
constexpr int kConsonantAlike = 4;  // s and z, t and d, ch and j
constexpr int kVowelHeard = 7;      // a vowel heard or missed: "sikology"
constexpr int kLightHeard = 5;      // an h, w, y or r heard or missed
constexpr int kConsonantHeard = 8;
constexpr int kSwapped = 6;

// Vowels that one spelling stands for, or that sound near enough to be mixed up.
constexpr std::string_view kVowelsAlike[] = {"aA", "eE", "iI", "oO", "uU", "iE", "ei", "ou",
                                             "oQ", "aQ", "OW", "UW", "uR", "eR", "oU", "aE"};
// Consonants heard alike, or a consonant and a vowel that shade into each other.
constexpr std::string_view kConsonantsAlike[] = {
    "sz", "sS", "SC", "CJ", "Jg", "JZ", "ZS", "zZ", "kg", "td", "pb", "fv", "Tt",
    "Tf", "Td", "mn", "nN", "fH", "gH", "kC", "Rr", "ks", "wU", "yE", "vw"};

using SoundTable = std::array<std::array<std::uint8_t, 128>, 128>;

constexpr std::size_t at(char sound) {
  return static_cast<unsigned char>(sound) & 0x7Fu;
}

constexpr void setPair(SoundTable& table, char a, char b, int cost) {
  table[at(a)][at(b)] = table[at(b)][at(a)] = static_cast<std::uint8_t>(cost);
}

constexpr SoundTable kReplace = [] {
  SoundTable table{};
  for (auto& row : table) row.fill(kPlainEdit);
  const std::string_view vowels = "aeiouAEIOUWYQR";
  for (const char a : vowels) {
    for (const char b : vowels) setPair(table, a, b, kVowelForVowel);
  }
  for (const std::string_view pair : kVowelsAlike) setPair(table, pair[0], pair[1], kVowelAlike);
  for (const std::string_view pair : kConsonantsAlike) {
    setPair(table, pair[0], pair[1], kConsonantAlike);
  }
  for (std::size_t c = 0; c < 128; ++c) table[c][c] = 0;
  return table;
}();

int heardCost(char sound) {
  if (isVowelSound(sound)) return kVowelHeard;
  return sound == 'h' || sound == 'H' || sound == 'w' || sound == 'y' || sound == 'r'
             ? kLightHeard
             : kConsonantHeard;
}

int replaceCost(char a, char b) {
  return kReplace[at(a)][at(b)];
}

}  // namespace

int soundDistance(std::string_view typed, std::string_view meant, int bound) {
  const std::size_t n = typed.size();
  const std::size_t m = meant.size();
  // Three rows of the table, the one before last for a swap.
  std::array<int, Sounds::kMaxLength + 1> rows[3];
  int* before = rows[0].data();
  int* last = rows[1].data();
  int* row = rows[2].data();
  last[0] = 0;
  for (std::size_t j = 1; j <= m; ++j) last[j] = last[j - 1] + heardCost(meant[j - 1]);
  // A swap passes over a row: every way through the table has a cell in any
  // two rows in turn, and only when both are above `bound` is the cost sure to be.
  int rowsAbove = 0;
  for (std::size_t i = 1; i <= n; ++i) {
    const char t = typed[i - 1];
    row[0] = last[0] + heardCost(t);
    int lowest = row[0];
    for (std::size_t j = 1; j <= m; ++j) {
      const char s = meant[j - 1];
      int cost = std::min(
          {last[j - 1] + replaceCost(t, s), last[j] + heardCost(t), row[j - 1] + heardCost(s)});
      if (i > 1 && j > 1 && t == meant[j - 2] && typed[i - 2] == s && t != s) {
        cost = std::min(cost, before[j - 2] + kSwapped);
      }
      row[j] = cost;
      lowest = std::min(lowest, cost);
    }
    rowsAbove = lowest > bound ? rowsAbove + 1 : 0;
    if (rowsAbove == 2) return bound + 1;
    std::swap(before, last);
    std::swap(last, row);
  }
  return last[m];
}

}  // namespace lexi
