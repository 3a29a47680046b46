// CMainApp: the program's start and end.
#pragma once

#include "match/sound_index.h"
#include "wordlist/word_list.h"

namespace lexi {

// The one word list of the program and the sound keys of its lines, both ready
// before any window exists and released only after the dialog is gone.
extern WordList theWordList;
extern SoundIndex theSoundIndex;

class CMainApp {
 public:
  // Runs the whole program; returns the process exit status: 1 when the word
  // list cannot be loaded or indexed, else 0 once the dialog has been closed.
  int run(int argc, char** argv);
};

}  // namespace lexi
