// Commonness: how common each word of a list is, so that of two words as near
// to what was typed, the common one comes first ("night" before "nit").
//
// The list's own lines stay what the user sees; how common a word is travels
// in a file of its own beside the list, kFileName: a line for each word, the
// word, one blank, and its level, from 1 (among the commonest words) to 99
// (the rarest); the bundled list's gives SCOWL's levels, 10 to 95. Words are
// matched byte for byte with the first words of the list, so the file must be
// in the list's encoding. A word the file does not name, a line that is not a
// word and a level, a file that belongs to another list or no file at all
// only make the ranking know less: nothing is refused and nothing is told.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "wordlist/word_list.h"

namespace lexi {

class Commonness {
 public:
  // The file beside the list that the programs read.
  static constexpr const char* kFileName = "LexiquariumCommon.txt";
  // What levelOf gives for a word the file does not name.
  static constexpr std::uint8_t kUnknown = 0;

  // Where the file of the list `listPath` is: kFileName in the list's folder.
  static std::string besideList(std::string_view listPath);

  // Reads `path`, replacing what was known. False, knowing nothing, when it
  // cannot be read or memory runs out. Costs a read of the file and a pass over
  // its lines; it holds about 12 bytes a word beside the file's text.
  bool load(const char* path);

  void release();

  // Whether any word's level is known.
  bool empty() const { return slots_.empty(); }

  // The level of `word`, or kUnknown. Costs a hash of the word.
  std::uint8_t levelOf(std::string_view word) const;

 private:
  WordList lines_;
  // Open addressing: each slot 0, or 1 + the index of a line naming a word.
  std::vector<std::uint32_t> slots_;
  std::vector<std::uint8_t> levels_;   // by line
  std::vector<std::uint8_t> lengths_;  // the length of each line's word, by line
};

}  // namespace lexi
