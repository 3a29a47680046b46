// Starting the help viewer on Windows.
#pragma once

#include "ui/help_launcher.h"

namespace lexi {

// Starts the program with the C runtime's _spawnlp without waiting: the
// runtime looks in the current folder first, then along PATH. The viewer is
// not kept track of; its handle is closed at once.
class SpawnProcessStarter : public ProcessStarter {
 public:
  int start(const char* program, const char* argument) override;
};

}  // namespace lexi
