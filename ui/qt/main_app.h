// CMainApp: the Qt program's start and end (see ui/program.h).
#pragma once

#include "ui/program.h"

namespace lexi {

class CMainApp {
 public:
  // Runs the whole program; returns the process exit status: 1 when the word
  // list or its sound index cannot be made, else 0 once the dialog has been
  // closed. A Qt dialog is always shown.
  int run(int argc, char** argv);
};

// The search window over the loaded list, in the encoding the start-up decided,
// until the user closes it: the dialog runProgram is given.
DialogOutcome runSearchWindow(const WordList& words, const SoundIndex& keys, TextEncoding encoding);

}  // namespace lexi
