// Starting the help viewer on Windows.
#pragma once

#include "ui/help_launcher.h"

namespace lexi {

// Starts the program by its full path, found first in the Windows folder, where
// the system keeps hh.exe, then along PATH, but never in the current folder,
// where a file of the user's could take its name. The runtime's own search is
// not used: under Wine it looks only in PATH's first folder. The viewer is not
// kept track of; its handle is closed at once.
class SpawnProcessStarter : public ProcessStarter {
 public:
  int start(const char* program, const char* argument) override;
};

}  // namespace lexi
