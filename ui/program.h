// The program's start and end, the same for every front end: the word list and
// its sound index are made before any window exists, and released only after
// the dialog is gone.
#pragma once

#include <functional>
#include <string>

#include "match/sound_index.h"
#include "ui/controls.h"
#include "wordlist/text_encoding.h"
#include "wordlist/word_list.h"

namespace lexi {

// What became of the search dialog: shown until the user closed it, or never
// shown, with the system's reason when the front end has one.
struct DialogOutcome {
  bool shown = true;
  std::string reason;
};

// The front end's modal search dialog over the list, its index and the
// list's encoding.
using RunDialog = std::function<DialogOutcome(const WordList&, const SoundIndex&, TextEncoding)>;

// Runs `startToolkit` while theWordList, the program's one word list, loads
// from the current directory, its sound index builds and the list's encoding
// is decided on a second thread: the two share nothing, and the toolkit may
// create no window there. Once both are done, a failure is shown on `messages`
// and the result is 1. Otherwise it runs `runDialog` and releases the list and
// its index once it has returned; a dialog that could not be shown is told on
// `messages` ("The search dialog cannot be shown.", with the reason) and the
// result is 1, else 0. The result is the process's exit status.
int runProgram(MessageDisplay& messages, const std::function<void()>& startToolkit,
               const RunDialog& runDialog);

}  // namespace lexi
