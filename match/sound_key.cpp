#include "match/sound_key.h"

#include <array>
#include <cstddef>

namespace lexi {

namespace {

// Only this many bytes of the input take part: long lines cost no more than short ones.
constexpr std::size_t kBytesRead = 54;
constexpr std::size_t kKeyLength = 6;

// What each byte is to the key: its lower-case letter a to z, kSkipped for a byte
// that is no letter, or kStop for the NUL and the blank that end the word.
constexpr char kSkipped = '\0';
constexpr char kStop = '\x01';
constexpr std::array<char, 256> kLetters = [] {
  std::array<char, 256> letters{};
  for (int c = 'a'; c <= 'z'; ++c) {
    letters[static_cast<std::size_t>(c)] = static_cast<char>(c);
    letters[static_cast<std::size_t>(c) - 'a' + 'A'] = static_cast<char>(c);
  }
  letters[0] = letters[' '] = kStop;
  return letters;
}();

bool isVowel(char c) {
  return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}
bool isFrontVowel(char c) {
  return c == 'e' || c == 'i' || c == 'y';
}

// The word reduced to the lower-case letters a to z that the rules look at.
// The two places past its end read as '\0', which no test matches, so that the
// rules can look two letters ahead without a bounds check.
class ReducedWord {
 public:
  // Reads at most `size` bytes of `text`, and none after a NUL or a blank.
  ReducedWord(const char* text, std::size_t size) {
    const std::size_t limit = size < kBytesRead ? size : kBytesRead;
    for (std::size_t i = 0; i < limit; ++i) {
      const char letter = kLetters[static_cast<unsigned char>(text[i])];
      if (letter == kStop) break;
      letters_[size_] = letter;
      size_ += letter != kSkipped;
    }
    letters_[size_] = letters_[size_ + 1] = '\0';
  }

  std::size_t size() const { return size_; }
  char at(std::size_t i) const { return letters_[i]; }
  bool startsWith(char first, char second) const {
    return size_ >= 2 && letters_[0] == first && letters_[1] == second;
  }
  bool restIs(std::size_t i, std::string_view rest) const {
    return std::string_view(letters_ + i, size_ - i) == rest;
  }
  void dropLetter(std::size_t i) {
    for (std::size_t j = i + 1; j < size_ + 2; ++j) letters_[j - 1] = letters_[j];
    --size_;
  }
  void setFirst(char c) { letters_[0] = c; }

 private:
  char letters_[kBytesRead + 2];
  std::size_t size_ = 0;
};

// Silent first letters, "wh" and the first "x" sound as the word is spoken.
void adjustStart(ReducedWord& word) {
  if (word.startsWith('p', 'n') || word.startsWith('a', 'e') || word.startsWith('k', 'n') ||
      word.startsWith('g', 'n') || word.startsWith('w', 'r')) {
    word.dropLetter(0);
  }
  if (word.startsWith('w', 'h')) word.dropLetter(1);
  if (word.at(0) == 'x') word.setFirst('s');
}

// What the letter at `i` gives, for the letters whose code depends on the
// letters around them (kByNeighbours below): nothing, one or two characters.
const char* code(const ReducedWord& word, std::size_t i) {
  const char c = word.at(i);
  const char prev = i > 0 ? word.at(i - 1) : '\0';
  const char next = word.at(i + 1);
  const char next2 = next != '\0' ? word.at(i + 2) : '\0';
  const bool first = i == 0;
  const bool last = i + 1 == word.size();
  switch (c) {
    case 'b':
      return last && prev == 'm' ? "" : "b";
    case 'c':
      if (prev == 's' && isFrontVowel(next)) return "";
      if (next == 'i' && next2 == 'a') return "x";
      if (isFrontVowel(next)) return "s";
      if (prev == 's' && next == 'h') return "k";
      if (first && next == 'h' && next2 != '\0' && !isVowel(next2)) return "k";
      if (next == 'h') return "x";
      return "k";
    case 'd':
      return next == 'g' && isFrontVowel(next2) ? "j" : "t";
    case 'g':
      if (!first && next == 'h' && next2 != '\0' && !isVowel(next2)) return "";
      if (word.restIs(i, "gn") || word.restIs(i, "gned")) return "";
      if (i >= 2 && next2 != '\0' && prev == 'd' && isFrontVowel(next)) return "";
      if (isFrontVowel(next)) return "j";
      return "k";
    case 'h':
      if (last) return "";
      if (prev == 'c' || prev == 's' || prev == 'p' || prev == 't' || prev == 'g') return "";
      return isVowel(next) ? "h" : "";
    case 'k':
      return prev == 'c' ? "" : "k";
    case 'p':
      return next == 'h' ? "f" : "p";
    case 's':
      if (!first && next == 'i' && (next2 == 'o' || next2 == 'a')) return "x";
      return next == 'h' ? "x" : "s";
    case 't':
      if (!first && next == 'i' && (next2 == 'o' || next2 == 'a')) return "x";
      if (next == 'h') return "0";
      if (next == 'c' && next2 == 'h') return "";
      return "t";
    case 'w':
      return isVowel(next) ? "w" : "";
    case 'y':
      return isVowel(next) ? "y" : "";
    case 'x':
      return "ks";
    default:  // no other letter comes here
      return "";
  }
}

// What a letter gives wherever it stands, after the first place (where a vowel
// gives "a"): kByNeighbours for the letters whose code depends on the letters
// around them, which code() works out.
constexpr char kByNeighbours = '\x01';
constexpr std::array<char, 128> kPlainCodes = [] {
  std::array<char, 128> codes{};
  for (const char c : std::string_view("bcdghkpstwxy")) {
    codes[static_cast<unsigned char>(c)] = kByNeighbours;
  }
  codes['f'] = codes['v'] = 'f';
  codes['j'] = 'j';
  codes['l'] = 'l';
  codes['m'] = 'm';
  codes['n'] = 'n';
  codes['r'] = 'r';
  codes['q'] = 'k';
  codes['z'] = 's';
  return codes;  // the vowels give nothing
}();

// The first `most` characters of the key of `word` (at most six).
SoundKey keyOf(ReducedWord& word, std::size_t most) {
  SoundKey key{};
  if (word.size() == 0) return key;
  adjustStart(word);

  // Room for the "ks" of an "x" met at five characters; the end cuts it to six.
  char built[kKeyLength + 2] = {};
  std::size_t length = 0;
  for (std::size_t i = 0; i < word.size() && length < most; ++i) {
    const char c = word.at(i);
    if (i > 0 && c != 'c' && c == word.at(i - 1)) continue;
    if (i == 0 && isVowel(c)) {
      built[length++] = 'a';
      continue;
    }
    const char plain = kPlainCodes[static_cast<unsigned char>(c)];
    if (plain != kByNeighbours) {
      built[length] = plain;
      length += plain != '\0';
      continue;
    }
    for (const char* out = code(word, i); *out != '\0'; ++out) built[length++] = *out;
  }
  for (std::size_t i = 0; i < kKeyLength && i < length; ++i) key.text[i] = built[i];
  return key;
}

}  // namespace

SoundKey soundKey(std::string_view text) {
  ReducedWord word(text.data(), text.size());
  return keyOf(word, kKeyLength);
}

SoundKey soundKey(const char* text) {
  ReducedWord word(text, kBytesRead);
  return keyOf(word, kKeyLength);
}

char soundKeyFirst(const char* text) {
  // The first three letters, after the start is adjusted, settle the first
  // character of most keys: only those letters are read, when that is so.
  char letters[6] = {};
  std::size_t known = 0;
  for (std::size_t i = 0; i < kBytesRead && known < 4; ++i) {
    const char letter = kLetters[static_cast<unsigned char>(text[i])];
    if (letter == kStop) break;
    letters[known] = letter;
    known += letter != kSkipped;
  }
  // With fewer than four letters the word is whole, and '\0' follows it as in
  // ReducedWord; with four, adjusting the start leaves at least three.
  letters[known] = '\0';
  const bool whole = known < 4;
  auto startsWith = [&](char a, char b) { return letters[0] == a && letters[1] == b; };
  if (startsWith('p', 'n') || startsWith('a', 'e') || startsWith('k', 'n') ||
      startsWith('g', 'n') || startsWith('w', 'r')) {
    for (std::size_t i = 0; i < 4; ++i) letters[i] = letters[i + 1];
    --known;
  }
  if (startsWith('w', 'h')) {
    for (std::size_t i = 1; i < 4; ++i) letters[i] = letters[i + 1];
    --known;
  }
  const char c = letters[0] == 'x' ? 's' : letters[0];
  const char next = letters[1];
  const char next2 = next != '\0' ? letters[2] : '\0';
  if (known == 0) return '\0';
  if (isVowel(c)) return 'a';
  const char plain = kPlainCodes[static_cast<unsigned char>(c)];
  if (plain != kByNeighbours) return plain;
  // The code() rules for the first letter, but where it gives nothing: then a
  // later letter gives the first character, and the whole word is read.
  switch (c) {
    case 'b':
    case 'k':
      return c;
    case 'c':
      if (next == 'i' && next2 == 'a') return 'x';
      if (isFrontVowel(next)) return 's';
      if (next == 'h' && next2 != '\0' && !isVowel(next2)) return 'k';
      return next == 'h' ? 'x' : 'k';
    case 'd':
      return next == 'g' && isFrontVowel(next2) ? 'j' : 't';
    case 'g':
      // A word that starts with "gn" has lost its g: "gn" and "gned" cannot follow.
      return isFrontVowel(next) ? 'j' : 'k';
    case 'p':
      return next == 'h' ? 'f' : 'p';
    case 's':
      return next == 'h' ? 'x' : 's';
    case 't':
      if (next == 'h') return '0';
      if (next == 'c' && next2 == 'h') break;
      return 't';
    case 'h':
      if ((known > 1 || !whole) && isVowel(next)) return 'h';
      break;
    case 'w':
    case 'y':
      if (isVowel(next)) return c;
      break;
    default:
      break;
  }
  ReducedWord word(text, kBytesRead);
  return keyOf(word, 1).text[0];
}

}  // namespace lexi
