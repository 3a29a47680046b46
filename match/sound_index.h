// SoundIndex: the sound key of every line of a loaded word list, in file order,
// so that a sound search compares one 8-byte value per line.
//
// The desktop program builds it once after the load; the query tool runs one
// search and goes without it (searchWords then computes the keys as it goes).
// The index points into nothing of the list, but it is only meaningful for the
// list it was built over, which must stay loaded as long as the index is used.
#pragma once

#include <cstdint>

#include "base/two_threads.h"
#include "match/sound_key.h"
#include "wordlist/notifier.h"
#include "wordlist/word_list.h"

namespace lexi {

class SoundIndex {
 public:
  SoundIndex() = default;
  ~SoundIndex() { release(); }
  SoundIndex(const SoundIndex&) = delete;
  SoundIndex& operator=(const SoundIndex&) = delete;

  // Computes the key of every line of `list`, replacing what the index held.
  // Returns false when the memory for the keys cannot be had, having told
  // `notifier` "Error: Cannot get memory (N bytes)..."; the index is then empty.
  // `sharing` says whether a helper thread computes part of the keys.
  bool build(const WordList& list, Notifier& notifier, Sharing sharing = Sharing::kAutomatic);

  // build() in steps, for a thread that must not be busy long: begin() makes
  // room for a key of every line of `list`, failing as build() does, and
  // computeKeys() computes those of lines [from, to) of the same list. Once
  // every line has had its key, the index is the one build() makes.
  bool begin(const WordList& list, Notifier& notifier);
  void computeKeys(const WordList& list, std::uint32_t from, std::uint32_t to);

  // Frees the keys; the index is then empty.
  void release();

  // The key of line i is keys()[i], for i below count().
  const SoundKey* keys() const { return keys_; }
  std::uint32_t count() const { return count_; }

 private:
  SoundKey* keys_ = nullptr;
  std::uint32_t count_ = 0;
};

}  // namespace lexi
