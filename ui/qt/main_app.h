// CMainApp: the Qt program's start and end (see ui/program.h).
#pragma once

namespace lexi {

class CMainApp {
 public:
  // Runs the whole program; returns the process exit status: 1 when the word
  // list or its sound index cannot be made, else 0 once the dialog has been
  // closed. A Qt dialog is always shown.
  int run(int argc, char** argv);
};

}  // namespace lexi
