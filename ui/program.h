// The program's start and end, the same for every front end: the word list and
// its sound index are made before any window exists, and released only after
// the dialog is gone.
#pragma once

#include <functional>

#include "match/sound_index.h"
#include "ui/controls.h"
#include "wordlist/text_encoding.h"
#include "wordlist/word_list.h"

namespace lexi {

// The one word list of the program, read from the current directory, and the
// sound key of each of its lines.
extern WordList theWordList;
extern SoundIndex theSoundIndex;

// The front end's modal search dialog over the list, its index and the
// list's encoding.
using RunDialog = std::function<void(const WordList&, const SoundIndex&, TextEncoding)>;

// Runs `startToolkit` while theWordList loads, theSoundIndex builds and the
// list's encoding is decided on a second thread: the two share nothing, and the
// toolkit may create no window there. Once both are done, a failure is shown on
// `messages` and the result is 1. Otherwise it runs `runDialog`, releases the
// list and its index once it has returned, and the result is 0. The result is
// the process's exit status.
int runProgram(MessageDisplay& messages, const std::function<void()>& startToolkit,
               const RunDialog& runDialog);

}  // namespace lexi
