// The program's start and end, the same for every front end: the word list and
// its sound index are made before any window exists, and released only after
// the dialog is gone.
#pragma once

#include <functional>

#include "match/sound_index.h"
#include "ui/controls.h"
#include "wordlist/word_list.h"

namespace lexi {

// The one word list of the program, read from the current directory, and the
// sound key of each of its lines.
extern WordList theWordList;
extern SoundIndex theSoundIndex;

// Loads theWordList and builds theSoundIndex; a failure is shown on `messages`
// and nothing else happens. Otherwise runs `runDialog`, the front end's modal
// search dialog over both, and releases both once it has returned. Returns the
// process exit status: 1 when the list or its index cannot be made, else 0.
int runProgram(MessageDisplay& messages,
               const std::function<void(const WordList&, const SoundIndex&)>& runDialog);

}  // namespace lexi
