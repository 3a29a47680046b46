#include "ui/help_launcher.h"

#include <cerrno>
#include <cstdio>

#include "base/error_text.h"
#include "ui/message_notifier.h"
#include "wordlist/input_file.h"

namespace lexi {

std::string helpFailureMessage(const char* program, int error) {
  return std::string("Cannot run Hypertext Help program '") + program + "': " + errorText(error) +
         '.';
}

std::string helpFileMessage(const std::string& path, int error) {
  return "Cannot open help file '" + path + "': " + errorText(error) + '.';
}

void launchHelp(ProcessStarter& starter, MessageDisplay& display, const HelpViewer& viewer) {
  if (viewer.checkFile) {
    std::FILE* file = std::fopen(viewer.file, "rb");
    if (file == nullptr) {
      const int error = errno;
      display.show(helpFileMessage(joinPath(currentDirectory(), viewer.file), error), kErrorTitle,
                   MessageIcon::kExclamation);
      return;
    }
    std::fclose(file);
  }
  const int error = starter.start(viewer.program, viewer.file);
  if (error != 0) {
    display.show(helpFailureMessage(viewer.program, error), kErrorTitle, MessageIcon::kExclamation);
  }
}

}  // namespace lexi
