// A plain transcription of the near search that nearSearch must agree with.
// It scores every line of the list in full with the costs the search publishes
// (slipDistance, soundDistance, soundsOf, soundKey, with no bound) and keeps
// the best lines by score, then file order.
//
// The fast search does not score every line: it gathers those within reach of
// the typed word by their letters, their sound key or their sounds, and only
// they can be listed. That reach is part of what the search returns (a word
// beyond it is never listed, however few lines are found), so the reference
// models the same rule here, written from its definition over the text of each
// line rather than from the index's columns, bytes and bit sets; the two must
// then agree line for line. A weaker comparison (every line returned has the
// reference's score, none better is missing) would let through a fast path that
// lists lines beyond the reach, or loses some at its edge. Kept in the tests only.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "match/commonness.h"
#include "match/near_search.h"
#include "match/slip_distance.h"
#include "match/sound_key.h"
#include "match/word_sounds.h"
#include "wordlist/text_encoding.h"
#include "wordlist/word_list.h"

namespace lexi::testing_only {

// The textbook edit distance, one row at a time.
template <class Text>
int editDistance(const Text& a, const Text& b) {
  std::vector<int> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
      diagonal = above;
    }
  }
  return row[b.size()];
}

class ReferenceNearSearch {
 public:
  // What the near search compares of a word: the first word of a line or of a query.
  struct Word {
    Spelling spelling;
    std::u32string chars;  // the spelling's characters
    std::size_t letters = 0;
    std::set<char32_t> classes;  // of the characters that are no punctuation
    std::string key;
    std::string sounds;  // the first kSoundsKept
    std::set<char> consonants;
    bool capital = false;

    Word(std::string_view text, TextEncoding encoding)
        : spelling(spellingOf(text, encoding)),
          chars(spelling.chars, spelling.length),
          key(soundKey(text).view()),
          sounds(soundsOf(spelling).view().substr(0, kSoundsKept)) {
      for (const char32_t c : chars) {
        // A letter a to z stands for itself, any digit for '0', any character
        // beyond ASCII for 0x80; the rest is punctuation, which is left out.
        const char32_t kind = c >= 'a' && c <= 'z' ? c : c >= '0' && c <= '9' ? U'0' : U'\x80';
        if (kind == 0x80 && c < 0x80) continue;
        classes.insert(kind);
        ++letters;
      }
      for (const char sound : sounds) {
        if (!isVowelSound(sound)) consonants.insert(sound);
      }
      const char32_t first = chars.empty() ? 0 : decodeChar(text, 0, encoding).code;
      // An upper-case letter of Latin-1: A to Z, or À to Þ but ×.
      capital = (first >= 'A' && first <= 'Z') || (first >= 0xC0 && first < 0xDF && first != 0xD7);
    }
  };

  struct Scored {
    int score;
    std::uint32_t line;
  };

  // The words of `list`, in `encoding`, are read once; `common` may be null.
  ReferenceNearSearch(const WordList& list, TextEncoding encoding, const Commonness* common)
      : list_(list), encoding_(encoding) {
    for (std::uint32_t i = 0; i < list.count(); ++i) {
      const char* const text = list.entries()[i].text;
      const std::string_view word(text, std::strcspn(text, " "));
      words_.emplace_back(word, encoding);
      // A level of at most 10 costs nothing, and each of 10, 20, 35, 40, 50,
      // 60, 70, 80 and 95 that it passes costs a step; no level costs nine.
      int rarity = 0;
      if (common != nullptr && !common->empty()) {
        const int level = common->levelOf(word);
        rarity = level == Commonness::kUnknown ? 9 : 0;
        for (const int upTo : {10, 20, 35, 40, 50, 60, 70, 80, 95}) rarity += level > upTo;
      }
      rest_.push_back(2 * rarity + (std::strchr(text, ' ') == nullptr ? 2 : 0));
    }
  }

  // The best `maxResults` lines for `query`, best first.
  std::vector<Scored> find(const char* query, std::uint32_t maxResults) const {
    const Word typed(std::string_view(query, std::strcspn(query, " ")), encoding_);
    std::vector<Scored> found;
    if (std::none_of(typed.chars.begin(), typed.chars.end(),
                     [](char32_t c) { return c >= 'a' && c <= 'z'; })) {
      return found;
    }
    for (std::uint32_t i = 0; i < words_.size(); ++i) {
      const Word& line = words_[i];
      if (line.letters == 0) continue;
      if (line.chars == typed.chars) {
        found.push_back({kEqual, i});
        continue;
      }
      const int wordReach = typed.letters <= 3 ? 1 : typed.letters <= 8 ? 2 : 3;
      const int keyReach = typed.key.size() <= 4 ? 1 : 2;
      const int soundReach = typed.sounds.size() <= 3 ? 1 : typed.sounds.size() <= 6 ? 2 : 3;
      const int keyEdits = editDistance(typed.key, line.key);
      // A plain edit more than the reach for the spelling and the sounds: a
      // swap is two plain edits.
      const bool byWord = near(typed.letters, line.letters, wordReach) &&
                          opensAlike(typed.chars, line.chars) &&
                          setsNear(typed.classes, line.classes, wordReach) &&
                          editDistance(typed.chars, line.chars) <= wordReach + 1;
      const bool byKey =
          !typed.key.empty() && opensAlike(typed.key, line.key) && keyEdits <= keyReach;
      const bool bySound = !typed.sounds.empty() &&
                           near(typed.sounds.size(), line.sounds.size(), soundReach) &&
                           openingSound(typed.sounds) == openingSound(line.sounds) &&
                           setsNear(typed.consonants, line.consonants, soundReach) &&
                           editDistance(typed.sounds, line.sounds) <= soundReach + 1;
      if (!byWord && !byKey && !bySound) continue;
      const int slip = std::min(slipDistance(typed.spelling, line.spelling, kNoBound),
                                soundDistance(typed.sounds, line.sounds, kNoBound) + 5);
      // Up to four slips for a line whose key or sounds are near, as many as
      // the reach for one only spelled near.
      if (slip > (byKey || bySound ? 40 : 10 * wordReach)) continue;
      const int name = line.capital && !typed.capital ? 2 : 0;
      found.push_back({slip + std::min(keyEdits, 3) + rest_[i] + name, i});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Scored& a, const Scored& b) { return a.score < b.score; });
    if (found.size() > maxResults) found.resize(maxResults);
    return found;
  }

  const char* text(const Scored& scored) const { return list_.entries()[scored.line].text; }

  // The texts of the lines nearSearch lists over `index`, built over this
  // list, sharing its work as `sharing` says, then of those the reference lists.
  std::pair<std::vector<std::string>, std::vector<std::string>> compare(
      const NearIndex& index, const char* query, std::uint32_t maxResults,
      Sharing sharing = Sharing::kAutomatic) const {
    struct Texts : ResultSink {
      void appendLine(const char* text) override { lines.emplace_back(text); }
      std::vector<std::string> lines;
    } found;
    const std::uint32_t count = nearSearch(index, query, maxResults, found, sharing);
    if (count != found.lines.size()) found.lines.push_back("(said " + std::to_string(count) + ")");
    std::vector<std::string> expected;
    for (const Scored& line : find(query, maxResults)) expected.emplace_back(text(line));
    return {found.lines, expected};
  }

  static constexpr int kEqual = -1;
  static constexpr std::size_t kSoundsKept = 16;

 private:
  static constexpr int kNoBound = 1 << 20;

  static bool near(std::size_t a, std::size_t b, int reach) {
    return (a > b ? a - b : b - a) <= static_cast<std::size_t>(reach);
  }

  // Each edit adds a kind of character, or takes one away, at most.
  template <class Set>
  static bool setsNear(const Set& a, const Set& b, int reach) {
    auto missing = [](const Set& from, const Set& in) {
      return std::count_if(from.begin(), from.end(), [&](auto c) { return in.count(c) == 0; });
    };
    return missing(a, b) <= reach && missing(b, a) <= reach;
  }

  // Whether two words open alike: the same first character, one of them a
  // character more in front, or the first two swapped. Characters are told
  // apart by their low seven bits only; past the end stands NUL.
  template <class Text>
  static bool opensAlike(const Text& a, const Text& b) {
    auto at = [](const Text& text, std::size_t i) {
      return i < text.size() ? (static_cast<char32_t>(text[i]) & 0x7F) | 0x80 : 0;
    };
    return at(a, 0) == at(b, 0) || at(a, 1) == at(b, 0) || at(a, 0) == at(b, 1);
  }

  // The first consonant heard, s and z (and sh and zh) as one, h not counted;
  // 'V' for a word of vowels.
  static char openingSound(std::string_view sounds) {
    for (const char sound : sounds) {
      if (sound == 'h' || sound == 'H' || isVowelSound(sound)) continue;
      return sound == 'z' ? 's' : sound == 'Z' ? 'S' : sound;
    }
    return 'V';
  }

  const WordList& list_;
  TextEncoding encoding_;
  std::vector<Word> words_;
  std::vector<int> rest_;  // what a line's rarity and lack of meaning add
};

}  // namespace lexi::testing_only
