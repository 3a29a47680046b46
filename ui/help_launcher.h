// The help launcher: starts the help viewer on the help file, without waiting,
// and tells the user when the viewer cannot be started.
#pragma once

#include <string>

#include "ui/controls.h"

namespace lexi {

// Starts separate programs that the caller neither waits for nor keeps track of.
class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // Starts `program`, looked up by name where the system keeps programs, with
  // `program` as argument 0 and `argument` as argument 1. Returns 0, or the
  // error number of the failed start.
  virtual int start(const char* program, const char* argument) = 0;
};

struct HelpViewer {
  const char* program;
  const char* file;  // relative to the current directory
  // Whether the launcher must see that the file can be read before it starts
  // the viewer, because the viewer would fail on it with no word to the user.
  bool checkFile;
};

#ifdef _WIN32
// The viewer says itself when it cannot open its file.
inline constexpr HelpViewer kHelpViewer{"hh.exe", "Lexiquarium.chm", false};
#elif defined(__EMSCRIPTEN__)
// The web page opens the help page of its own site in a new tab, which shows
// the browser's own page when it is missing.
inline constexpr HelpViewer kHelpViewer{"a new browser tab", "Lexiquarium.html", false};
#else
// Linux has no "hh.exe": the desktop's opener shows the HTML page in the
// user's browser, and fails silently when the page is missing.
inline constexpr HelpViewer kHelpViewer{"xdg-open", "Lexiquarium.html", true};
#endif

// "Cannot run Hypertext Help program '<program>': <runtime's text for error>."
std::string helpFailureMessage(const char* program, int error);

// "Cannot open help file '<path>': <runtime's text for error>."
std::string helpFileMessage(const std::string& path, int error);

void launchHelp(ProcessStarter& starter, MessageDisplay& display,
                const HelpViewer& viewer = kHelpViewer);

}  // namespace lexi
