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

namespace {

// The system's text for `error` in the ANSI code page, without its line end;
// empty for ERROR_SUCCESS, which says nothing of a failure.
std::string systemMessage(DWORD error) {
  if (error == ERROR_SUCCESS) return {};
  char text[512] = "";
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, text, sizeof text, nullptr);
  std::string message(text, length);
  message.erase(message.find_last_not_of(" \r\n") + 1);
  return message;
}

}  // namespace

int CMainApp::run() {
  Win32MessageDisplay messages;
  return runProgram(
      messages,
      [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
      },
      [](const WordList& words, const SoundIndex& keys, TextEncoding encoding) {
        SearchDialog dialog(words, keys, encoding, applicationTitle());
        if (dialog.run() != -1) return DialogOutcome{};
        return DialogOutcome{false, systemMessage(GetLastError())};
      });
}

}  // namespace lexi
