#include "ui/win32/main_app.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "ui/message_notifier.h"
#include "ui/win32/search_dialog.h"
#include "ui/win32/win32_controls.h"

namespace lexi {

WordList theWordList;

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
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  Win32MessageDisplay messages;
  MessageNotifier notifier(messages);
  if (!theWordList.load(WordList::kFileName, notifier)) return 1;
  {
    SearchDialog dialog(theWordList, applicationTitle());
    dialog.run();
  }
  theWordList.release();
  return 0;
}

}  // namespace lexi
