// CMainApp: the Windows program's start and end (see ui/program.h).
#pragma once

#include <string>

namespace lexi {

class CMainApp {
 public:
  // Runs the whole program; returns the process exit status: 1 when the word
  // list or its sound index cannot be made or the search dialog cannot be
  // shown, each told in a message box, else 0 once the dialog has been closed.
  int run();
};

// The application title, as dialog frameworks derive it: the program file's
// name without its folder and extension.
std::string applicationTitle();

}  // namespace lexi
