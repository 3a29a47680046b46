#include "ui/win32/main_app.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "ui/program.h"
#include "ui/win32/search_dialog.h"
#include "ui/win32/win32_controls.h"
#include "wordlist/input_file.h"

namespace lexi {

std::string applicationTitle() {
  wchar_t path[MAX_PATH] = L"";
  std::string title = utf8FromWide({path, GetModuleFileNameW(nullptr, path, MAX_PATH)});
  title.erase(0, title.find_last_of("\\/:") + 1);
  if (const std::size_t dot = title.rfind('.'); dot != std::string::npos && dot > 0) {
    title.erase(dot);
  }
  return title;
}

namespace {

// The system's text for `error`, without its line end; empty for
// ERROR_SUCCESS, which says nothing of a failure.
std::string systemMessage(DWORD error) {
  if (error == ERROR_SUCCESS) return {};
  wchar_t text[512] = L"";
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, text, 512, nullptr);
  std::string message = utf8FromWide({text, length});
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
