#include "ui/help_launcher.h"

#include <cstring>

#include "ui/message_notifier.h"

namespace lexi {

std::string helpFailureMessage(const char* program, int error) {
  std::string message = "Cannot run Hypertext Help program '";
  message += program;
  message += "': ";
  message += std::strerror(error);
  message += '.';
  return message;
}

void launchHelp(ProcessStarter& starter, MessageDisplay& display, const HelpViewer& viewer) {
  const int error = starter.start(viewer.program, viewer.file);
  if (error != 0) {
    display.show(helpFailureMessage(viewer.program, error), kErrorTitle, MessageIcon::kExclamation);
  }
}

}  // namespace lexi
