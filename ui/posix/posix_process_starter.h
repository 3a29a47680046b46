// Starting the help viewer on a POSIX system.
#pragma once

#include <string>

#include "ui/help_launcher.h"

namespace lexi {

// Looks `name` up the way execvp does: a name with a slash is taken as it is;
// otherwise each directory of `searchPath` is tried in turn (an empty entry is
// the current directory, no search path at all means "/bin:/usr/bin"). Returns 0
// with the program's path in `found`, EACCES when only files that may not be run
// were found, or ENOENT.
int findProgram(const std::string& name, const char* searchPath, std::string& found);

// Starts the program as a grandchild that is handed over to the system at once,
// so the viewer is neither waited for nor left behind as a zombie. A failure of
// the start itself, up to the exec, is reported with its error number.
class PosixProcessStarter : public ProcessStarter {
 public:
  int start(const char* program, const char* argument) override;
};

}  // namespace lexi
