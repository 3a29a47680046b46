// soundKey: a short code for how a word sounds, so that words spelled
// differently but pronounced alike meet: "phone" and "fone" both give "fn".
//
// It belongs to the Metaphone family, with rules of its own (see sound_key.cpp).
// Only the text before the first blank counts, and only its first 54 bytes.
// The key has 0 to 6 characters from a b f h j k l m n p r s t w x y 0 ("a" only
// first; "0" is "th"). Keys are compared for exact equality; the empty key
// matches nothing. The function never fails and never allocates.
#pragma once

#include <cstring>
#include <string_view>

namespace lexi {

struct SoundKey {
  char text[8];  // the key, NUL-padded: equal keys have equal bytes

  bool empty() const { return text[0] == '\0'; }
  std::string_view view() const { return {text, std::strlen(text)}; }
};

// `word` is read up to its first NUL or its end, whichever comes first.
SoundKey soundKey(std::string_view word);

// The same for a NUL-terminated `word`, which saves finding its end first.
SoundKey soundKey(const char* word);

// The first character of soundKey(word), '\0' for the empty key, at a fraction
// of the cost of the whole key: a search can drop most lines with it.
char soundKeyFirst(const char* word);

}  // namespace lexi
