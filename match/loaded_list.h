// LoadedList: a word list as a program searches it, and the one way to make
// one. The desktop programs load theirs once, at start-up; the web page also
// makes one of each list the user opens; the query tool makes one for --near
// and --queries.
#pragma once

#include "match/sound_index.h"
#include "wordlist/notifier.h"
#include "wordlist/text_encoding.h"
#include "wordlist/word_list.h"

namespace lexi {

// The lines, the sound key of each, and the list's encoding.
struct LoadedList {
  WordList words;
  SoundIndex keys;
  TextEncoding encoding = TextEncoding::kSingleByte;

  void release() {
    keys.release();
    words.release();
  }
};

// Loads `path` (WordList::load), builds its sound index and decides its
// encoding. False, having told `notifier` and left `list` empty, when the
// list cannot be made. It costs a read of the file and a pass over its lines.
bool loadList(const char* path, LoadedList& list, Notifier& notifier);

}  // namespace lexi
