// The Windows dialog from the real template, driven by messages: only what the
// Win32 side adds to the dialog logic, which the fakes test already.
// Usage: dialog_test HH_STUB   (under Wine or on Windows; prints one line a case)
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "res/windows/resource.h"
#include "ui/win32/search_dialog.h"

namespace fs = std::filesystem;

namespace {

HWND dialog;
const char* hhStub;
std::string boxText;  // what the last message box said

LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

void setWord(const std::string& text) {
  SetDlgItemTextA(dialog, IDC_WORD, text.c_str());
}

std::string word() {
  char text[64] = "";
  GetDlgItemTextA(dialog, IDC_WORD, text, sizeof text);
  return text;
}

std::string historyItem(int index) {
  char text[64] = "";
  send(IDC_WORD, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

// Copies line `index` of the results and reads the clipboard back.
std::string copyLine(int index) {
  send(IDC_RESULTS, LB_SETCURSEL, static_cast<WPARAM>(index));
  send(IDC_COPY, BM_CLICK);
  std::string text = "(nothing)";
  if (OpenClipboard(nullptr)) {
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
      text = static_cast<const char*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
  }
  return text;
}

BOOL CALLBACK closeIfBox(HWND window, LPARAM) {
  if (window == dialog || !IsWindowVisible(window)) return TRUE;
  char text[256] = "";
  GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
  boxText = text;
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

// A box cannot be answered from the button handler that shows it: a timer,
// served by the box's own message loop, closes it and keeps its text.
void clickExpectingBox(int id) {
  boxText = "(no box)";
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), closeIfBox, 0);
  });
  send(id, BM_CLICK);
  KillTimer(nullptr, timer);
}

std::string waitForFile(const fs::path& path) {
  for (int i = 0; i < 100 && !fs::exists(path); ++i) Sleep(100);
  Sleep(200);
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

struct Case {
  const char* what;
  std::function<bool()> passes;
};

int failures = 0;

void runCases() {
  const int kLines = 1000000;
  const fs::path hhArgs = fs::current_path() / "hh-args.txt";
  const Case cases[] = {
      {"typed capitals come out in lower case",
       [] {
         HWND edit = GetWindow(GetDlgItem(dialog, IDC_WORD), GW_CHILD);
         for (const char c : std::string("FONE")) SendMessageA(edit, WM_CHAR, c, 0);
         return word() == "fone";
       }},
      {"Go lists the sound match; a selection enables Copy, which gives CF_TEXT",
       [] {
         send(IDC_GO, BM_CLICK);
         const bool listed = send(IDC_RESULTS, LB_GETCOUNT) == 1;
         const bool disabled = !IsWindowEnabled(GetDlgItem(dialog, IDC_COPY));
         SetFocus(GetDlgItem(dialog, IDC_RESULTS));
         send(IDC_RESULTS, WM_KEYDOWN, VK_HOME);
         const bool enabled = IsWindowEnabled(GetDlgItem(dialog, IDC_COPY));
         return listed && disabled && enabled && copyLine(0) == "phone";
       }},
      {"a million lines at once; Home, End reach the last",
       [] {
         setWord("*");
         send(IDC_GO, BM_CLICK);
         SetFocus(GetDlgItem(dialog, IDC_RESULTS));
         // With nothing selected, the first key selects the caret's line.
         send(IDC_RESULTS, WM_KEYDOWN, VK_HOME);
         send(IDC_RESULTS, WM_KEYDOWN, VK_END);
         return send(IDC_RESULTS, LB_GETCOUNT) == kLines &&
                send(IDC_RESULTS, LB_GETCURSEL) == kLines - 1 && copyLine(kLines - 1) == "x999997";
       }},
      {"a character the code page lacks is no wild card",
       [] {
         SetDlgItemTextW(dialog, IDC_WORD, L"\u03a9");
         send(IDC_GO, BM_CLICK);
         return copyLine(0) == "Nothing";
       }},
      {"the history keeps 20 items, newest first, none twice",
       [] {
         for (int i = 1; i <= 21; ++i) {
           SetDlgItemInt(dialog, IDC_WORD, static_cast<UINT>(i), FALSE);
           send(IDC_GO, BM_CLICK);
         }
         const bool kept =
             send(IDC_WORD, CB_GETCOUNT) == 20 && historyItem(0) == "21" && historyItem(19) == "2";
         setWord("5");
         send(IDC_GO, BM_CLICK);
         const bool moved = send(IDC_WORD, CB_GETCOUNT) == 20 && historyItem(1) == "21";
         return kept && moved;
       }},
      {"Exit with 1001 characters says so and stays open",
       [] {
         setWord(std::string(1001, 'a'));
         clickExpectingBox(IDOK);
         return boxText == "Please enter no more than 1000 characters." && IsWindow(dialog);
       }},
      {"Help without hh.exe says why",
       [] {
         clickExpectingBox(IDC_HELP_BUTTON);
         return boxText == "Cannot run Hypertext Help program 'hh.exe': No such file or directory.";
       }},
      {"Help starts hh.exe on Lexiquarium.chm without waiting",
       [&hhArgs] {
         fs::copy_file(hhStub, "hh.exe");
         send(IDC_HELP_BUTTON, BM_CLICK);
         return !fs::exists(hhArgs) && waitForFile(hhArgs) == "hh.exe|Lexiquarium.chm";
       }},
  };
  for (const Case& c : cases) {
    const bool passed = c.passes();
    failures += passed ? 0 : 1;
    std::printf("%s: %s\n", passed ? "ok" : "FAIL", c.what);
  }
  setWord("");
  send(IDOK, BM_CLICK);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  hhStub = argv[1];
  const fs::path work =
      fs::temp_directory_path() / ("lexi-dialog-" + std::to_string(GetCurrentProcessId()));
  fs::create_directories(work);
  fs::current_path(work);
  // Only this folder is searched: no help viewer of the system's is found.
  std::string path = "PATH=";
  path += work.string();
  _putenv(path.c_str());
  {
    std::ofstream list("LexiquariumWords.txt", std::ios::binary);
    list << "phone n. a device\na\n";
    for (int i = 0; i < 999998; ++i) list << 'x' << i << '\n';
  }

  lexi::WordList words;
  lexi::Win32MessageDisplay messages;
  lexi::MessageNotifier notifier(messages);
  lexi::SoundIndex keys;
  if (!words.load(lexi::WordList::kFileName, notifier) || !keys.build(words, notifier)) return 1;
  SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    dialog = FindWindowA(nullptr, "Lexiquarium");
    runCases();
  });
  lexi::SearchDialog(words, keys, "Lexiquarium").run();
  std::error_code ignored;
  fs::current_path(work.parent_path());
  fs::remove_all(work, ignored);
  std::printf("%d failed\n", failures);
  return failures == 0 ? 0 : 1;
}
