// soundsOf: what a word sounds like, by English letter-to-sound rules, and
// soundDistance: how far apart two words sound.
//
// People who spell by ear write what they hear: "nite" for night, "fizzix" for
// physics, "nolij" for knowledge. The letters of such a word are far from the
// meant one, its sounds are not. The rules here turn the letters of a word into
// a string of sounds, one byte each: "night", "knight" and "nite" all become
// "nIt", "physics" and "fizzix" "fizik". What matters is that both sides go
// through the same rules, not that every word is read as a dictionary would:
// English spelling is too loose for that ("bough", "cough", "though"), and
// the distance makes the sounds that spellings confuse cheap to swap.
//
// The sounds, each one byte:
//   consonants  p b t d k g f v s z m n l r w y h, S (ship), Z (vision),
//               C (chip), J (jam), T (thin, this), N (sing), H (the "gh" of
//               laugh or night: an f or nothing)
//   vowels      a (cat) e (bed) i (sit) o (hot) u (cup), A (ate) E (eat)
//               I (ice) O (go) U (food), W (out) Y (boy) Q (saw) R (her)
//
// Neither function allocates or fails.
#pragma once

#include <cstddef>
#include <string_view>

#include "match/slip_distance.h"

namespace lexi {

struct Sounds {
  // A Spelling holds at most Spelling::kMaxLength characters; "x" is two sounds.
  static constexpr std::size_t kMaxLength = 2 * Spelling::kMaxLength;

  char chars[kMaxLength];
  std::size_t length = 0;

  std::string_view view() const { return {chars, length}; }
};

// The sounds of `spelling`'s letters a to z, accents aside; other characters
// are not heard. Empty when the word holds no letter.
Sounds soundsOf(const Spelling& spelling);

// Whether a sound of soundsOf is a vowel.
bool isVowelSound(char sound);

// The cost of hearing `typed` when `meant` was said, in the units of
// slipDistance (kPlainEdit for an unrelated sound), or some value above
// `bound` as soon as the cost is sure to exceed `bound`. A vowel for another
// costs little, and less for the vowels spellings confuse; so do the
// consonants that sound alike (s and z, t and d, ch and j), and a vowel or an
// h heard or missed. Costs a few operations for each pair of sounds, fewer
// when `bound` is low.
int soundDistance(std::string_view typed, std::string_view meant, int bound);

}  // namespace lexi
