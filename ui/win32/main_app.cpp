#include "ui/win32/main_app.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "ui/program.h"
#include "ui/win32/search_dialog.h"
#include "ui/win32/win32_controls.h"

namespace lexi {

std::string applicationTitle() {
  char path[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string title(path, length);
  title.erase(0, title.find_last_of("\\/:") + 1);
  if (const std::size_t dot = title.rfind('.'); dot != std::string::npos && dot > 0) {
    title.erase(dot);
  }
  return title;
}

int CMainApp::run() {
  Win32MessageDisplay messages;
  return runProgram(
      messages,
      [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
      },
      [](const WordList& words, const SoundIndex& keys, TextEncoding encoding) {
        SearchDialog(words, keys, encoding, applicationTitle()).run();
      });
}

}  // namespace lexi
