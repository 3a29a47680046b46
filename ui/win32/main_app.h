// CMainApp: the Windows program's start and end.
#pragma once

#include "wordlist/word_list.h"

namespace lexi {

// The one word list of the program, loaded before any window exists and
// released only after the dialog is gone.
extern WordList theWordList;

class CMainApp {
 public:
  // Runs the whole program; returns the process exit status: 1 when the word
  // list cannot be loaded, else 0 once the dialog has been closed.
  int run();
};

// The application title, as dialog frameworks derive it: the program file's
// name without its folder and extension.
std::string applicationTitle();

}  // namespace lexi
