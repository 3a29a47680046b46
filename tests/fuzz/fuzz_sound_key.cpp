// The sound key of arbitrary bytes: it reads only the bytes it is given, and the
// key is well formed and depends only on what the key is said to depend on.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "match/sound_key.h"

namespace {

constexpr std::size_t kBytesRead = 54;
constexpr std::size_t kMaxKey = 6;

bool sameKey(const lexi::SoundKey& a, const lexi::SoundKey& b) {
  return std::memcmp(a.text, b.text, sizeof a.text) == 0;
}

// The letters the key is made from: the first 54 bytes up to a NUL or a blank,
// with A-Z folded and every byte that is no letter dropped.
std::string lettersOf(std::string_view word) {
  std::string letters;
  for (std::size_t i = 0; i < word.size() && i < kBytesRead; ++i) {
    const char c = word[i];
    if (c == '\0' || c == ' ') break;
    if (c >= 'a' && c <= 'z') letters += c;
    if (c >= 'A' && c <= 'Z') letters += static_cast<char>(c - 'A' + 'a');
  }
  return letters;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A view over exactly the fuzzer's bytes: a read past them is an overflow.
  const std::string_view word(reinterpret_cast<const char*>(data), size);
  const lexi::SoundKey key = lexi::soundKey(word);

  const std::size_t length = std::strlen(key.text);
  if (length > kMaxKey) __builtin_trap();
  for (std::size_t i = length; i < sizeof key.text; ++i) {
    if (key.text[i] != '\0') __builtin_trap();
  }
  for (std::size_t i = 0; i < length; ++i) {
    const char c = key.text[i];
    if (c == '\0' || std::strchr("abfhjklmnprstwxy0", c) == nullptr) __builtin_trap();
    if (c == 'a' && i > 0) __builtin_trap();
  }

  if (!sameKey(key, lexi::soundKey(word))) __builtin_trap();
  // The C-string forms read the same bytes: up to the first NUL.
  const std::string terminated(word);
  if (!sameKey(key, lexi::soundKey(terminated.c_str()))) __builtin_trap();
  if (lexi::soundKeyFirst(terminated.c_str()) != key.text[0]) __builtin_trap();
  const std::string letters = lettersOf(word);
  if (!sameKey(key, lexi::soundKey(letters))) __builtin_trap();
  // No letter, no key (though some letters, such as "hh", give none either).
  if (letters.empty() && !key.empty()) __builtin_trap();
  return 0;
}
