// The Windows dialog from the real template, driven by messages: only what the
// Win32 side adds to the dialog logic, which the fakes test already. The
// dialog keeps its choices under a registry key of the test's own.
// Usage: dialog_test HH_STUB PROGRAM   (under Wine or on Windows; prints one line a case)
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "res/mode_text.h"
#include "res/windows/resource.h"
#include "ui/win32/main_app.h"
#include "ui/win32/search_dialog.h"
#include "wordlist/input_file.h"

namespace fs = std::filesystem;

namespace {

HWND dialog;
const char* hhStub;
const char* program;  // lexiquarium.exe, whose resources some cases read
std::string boxText;
HWND boxOwner;
RECT boxFrame;
constexpr int kLines = 1000000;
constexpr const wchar_t* kTestKey = L"Software\\Lexiquarium dialog test";
constexpr const char* kLongLine =
    "phone n. a device that carries the voice of one person to another over wires or radio";

LRESULT send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

void go(const std::string& query) {
  SetDlgItemTextA(dialog, IDC_WORD, query.c_str());
  send(IDC_GO, BM_CLICK);
}

using lexi::utf8FromWide;

// The word field's text, or with an index, that item of the history, in UTF-8.
std::string wordText(int index = -1) {
  wchar_t text[64] = L"";
  if (index < 0)
    GetDlgItemTextW(dialog, IDC_WORD, text, 64);
  else
    SendDlgItemMessageW(dialog, IDC_WORD, CB_GETLBTEXT, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(text));
  return utf8FromWide(text);
}

// The clipboard's text: as CF_TEXT, or as CF_UNICODETEXT given in UTF-8.
std::string clipboardText(UINT format) {
  std::string text = "(nothing)";
  if (OpenClipboard(nullptr)) {
    if (const HANDLE data = GetClipboardData(format)) {
      const void* units = GlobalLock(data);
      text = format == CF_TEXT ? static_cast<const char*>(units)
                               : utf8FromWide(static_cast<const wchar_t*>(units));
      GlobalUnlock(data);
    }
    CloseClipboard();
  }
  return text;
}

// Copies line `index` of the results and reads the clipboard back.
std::string copyLine(int index) {
  send(IDC_RESULTS, LB_SETCURSEL, static_cast<WPARAM>(index));
  send(IDC_COPY, BM_CLICK);
  return clipboardText(CF_UNICODETEXT);
}

// What the box that `action` opens says, as "caption: text". A box cannot be
// answered from the handler that shows it: a timer, served by the box's own
// message loop, reads and closes it.
std::string boxAfter(const std::function<void()>& action) {
  boxText = "(no box)";
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND box, LPARAM) -> BOOL {
          if (box == dialog || !IsWindowVisible(box)) return TRUE;
          wchar_t caption[64] = L"";
          wchar_t text[512] = L"";
          GetWindowTextW(box, caption, 64);
          GetDlgItemTextW(box, 0xFFFF, text, 512);
          boxText = utf8FromWide(caption) + ": " + utf8FromWide(text);
          boxOwner = GetWindow(box, GW_OWNER);
          GetWindowRect(box, &boxFrame);
          return !PostMessageA(box, WM_COMMAND, IDOK, 0);
        },
        0);
  });
  action();
  KillTimer(nullptr, timer);
  return boxText;
}

// The whole line in the tooltip beside the results, in UTF-8; empty when none shows.
std::string tipText() {
  const HWND tip = FindWindowW(TOOLTIPS_CLASSW, nullptr);
  wchar_t text[256] = L"";
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = GetDlgItem(dialog, IDC_RESULTS);
  tool.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  return IsWindowVisible(tip) ? utf8FromWide(text) : "";
}

// Whether `inner` lies in the middle of `outer`, give or take a pixel.
bool centred(const RECT& inner, const RECT& outer) {
  return std::abs(inner.left - outer.left - (outer.right - inner.right)) <= 2 &&
         std::abs(inner.top - outer.top - (outer.bottom - inner.bottom)) <= 2;
}

// Each image of the program's icon, as "WIDTHxBITS " from the image itself:
// a bitmap's header, or for a PNG its channels (RGBA: 4) times their depth.
std::string iconImages() {
  const HMODULE exe = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  const auto resource = [exe](WORD id, LPCSTR type) {
    return static_cast<const BYTE*>(
        LockResource(LoadResource(exe, FindResourceA(exe, MAKEINTRESOURCEA(id), type))));
  };
  const BYTE* group = resource(IDI_MAIN, RT_GROUP_ICON);
  std::string images;
  for (int i = 0; group != nullptr && i < group[4]; ++i) {
    const BYTE* image = resource(group[18 + 14 * i], RT_ICON);  // its id's low byte
    const bool png = image[0] == 0x89;
    images += std::to_string(png ? image[18] << 8 | image[19] : image[4] | image[5] << 8) + "x" +
              std::to_string(png ? (image[25] == 6 ? 4 : 0) * image[24] : image[14]) + " ";
  }
  FreeLibrary(exe);
  return images;
}

// The setting `name` of the program's manifest, as the system reads it, in the
// window settings of `year`.
std::wstring manifestSetting(const wchar_t* name, const std::wstring& year) {
  const std::wstring schema = L"http://schemas.microsoft.com/SMI/" + year + L"/WindowsSettings";
  ACTCTXA manifest{sizeof manifest, ACTCTX_FLAG_RESOURCE_NAME_VALID,    program, 0,      0,
                   nullptr,         CREATEPROCESS_MANIFEST_RESOURCE_ID, nullptr, nullptr};
  const HANDLE context = CreateActCtxA(&manifest);
  wchar_t value[64] = L"";
  QueryActCtxSettingsW(0, context, schema.c_str(), name, value, 64, nullptr);
  ReleaseActCtx(context);
  return value;
}

// What a user sees of the dialog's size: its frame, the height of its
// controls' text and of the result rows, and the list's width.
struct Look {
  RECT frame;
  LONG text, row, listWidth;
};
Look look() {
  RECT frame{};
  RECT list{};
  GetWindowRect(dialog, &frame);
  GetWindowRect(GetDlgItem(dialog, IDC_RESULTS), &list);
  const HDC dc = GetDC(dialog);
  SelectObject(dc, reinterpret_cast<HGDIOBJ>(send(IDC_GO, WM_GETFONT)));
  TEXTMETRICW text{};
  GetTextMetricsW(dc, &text);
  ReleaseDC(dialog, dc);
  return {frame, text.tmHeight, static_cast<LONG>(send(IDC_RESULTS, LB_GETITEMHEIGHT)),
          list.right - list.left};
}

// The list box as one that has no room for more than one line.
WNDPROC listProc;
LRESULT CALLBACK crampedList(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == LB_SETCOUNT && wParam > 1) return LB_ERRSPACE;
  return CallWindowProcW(listProc, list, message, wParam, lParam);
}

// Points this program's calls of GlobalLock, through its import table, at
// `lock`; returns the function they went to.
using LockFunction = LPVOID(WINAPI*)(HGLOBAL);
extern "C" LockFunction __imp_GlobalLock;
LockFunction redirectGlobalLock(LockFunction lock) {
  DWORD access = 0;
  VirtualProtect(&__imp_GlobalLock, sizeof lock, PAGE_READWRITE, &access);
  const LockFunction previous = std::exchange(__imp_GlobalLock, lock);
  VirtualProtect(&__imp_GlobalLock, sizeof lock, access, &access);
  return previous;
}

struct Case {
  std::string what;
  std::function<bool()> passes;
};

// Over a list of a million ASCII lines, read in the ANSI code page.
const std::vector<Case> kCases = {
    {"typed capitals come out lower; Go lists; a selection enables Copy, which gives CF_TEXT too; "
     "the line cut off shows whole beside it when selected and when the mouse rests on it",
     [] {
       const HWND edit = GetWindow(GetDlgItem(dialog, IDC_WORD), GW_CHILD);
       for (const char c : std::string("FONE")) SendMessageA(edit, WM_CHAR, c, 0);
       const bool lower = wordText() == "fone";
       send(IDC_GO, BM_CLICK);
       const bool disabled = !IsWindowEnabled(GetDlgItem(dialog, IDC_COPY));
       SetFocus(GetDlgItem(dialog, IDC_RESULTS));
       send(IDC_RESULTS, WM_KEYDOWN, VK_HOME);
       const bool keyed = tipText() == kLongLine;
       send(IDC_RESULTS, WM_MOUSEMOVE, 0, MAKELPARAM(5, 60));
       const bool gone = tipText().empty();
       send(IDC_RESULTS, WM_MOUSEHOVER, 0, MAKELPARAM(5, 1));
       return lower && disabled && keyed && gone && tipText() == kLongLine &&
              IsWindowEnabled(GetDlgItem(dialog, IDC_COPY)) &&
              send(IDC_RESULTS, LB_GETCOUNT) == 1 && copyLine(0) == "phone" &&
              clipboardText(CF_TEXT) == "phone";
     }},
    {"a million lines at once; Home, End and a letter move through them; a line that fits shows "
     "no tooltip",
     [] {
       go("*");
       SetFocus(GetDlgItem(dialog, IDC_RESULTS));
       // With nothing selected, the first key selects the caret's line.
       send(IDC_RESULTS, WM_KEYDOWN, VK_HOME);
       send(IDC_RESULTS, WM_KEYDOWN, VK_END);
       const bool last = send(IDC_RESULTS, LB_GETCURSEL) == kLines - 1 && tipText().empty();
       send(IDC_RESULTS, WM_CHAR, 'X');  // round to the first line that begins with it
       return send(IDC_RESULTS, LB_GETCOUNT) == kLines && last &&
              send(IDC_RESULTS, LB_GETCURSEL) == 2 && copyLine(kLines - 1) == "x999997";
     }},
    {"a list box without room for the lines found shows none and says so",
     [] {
       const HWND list = GetDlgItem(dialog, IDC_RESULTS);
       listProc = reinterpret_cast<WNDPROC>(
           SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(crampedList)));
       const std::string box = boxAfter([] { go("*"); });
       SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc));
       return box ==
                  "Lexiquarium Error: The list cannot show the 1000000 lines found. Please narrow "
                  "the search." &&
              send(IDC_RESULTS, LB_GETCOUNT) == 0;
     }},
    {"a copy whose memory cannot be locked leaves the clipboard as it was",
     [] {
       go("*");
       const bool copied = copyLine(0) == "phone";
       const LockFunction lock = redirectGlobalLock([](HGLOBAL) -> LPVOID { return nullptr; });
       send(IDC_RESULTS, LB_SETCURSEL, 1);
       send(IDC_COPY, BM_CLICK);
       redirectGlobalLock(lock);
       return copied && clipboardText(CF_UNICODETEXT) == "phone";
     }},
    {"the code page's own bytes: the euro sign is 0x80, no look-alike, a lack is no wild card",
     [] {
       const lexi::ListCodec page = lexi::windowsListCodec(lexi::TextEncoding::kSingleByte);
       SetDlgItemTextW(dialog, IDC_WORD, L"\u03a9");
       send(IDC_GO, BM_CLICK);
       return copyLine(0) == "Nothing" && lexi::listBytes(page, L"\u20ac\u0100") == "\x80\x1a" &&
              lexi::wideText(page, "\x80") == L"\u20ac";
     }},
    {"the history keeps 20 items, newest first, none twice",
     [] {
       for (int i = 1; i <= 21; ++i) go(std::to_string(i));
       const bool kept =
           send(IDC_WORD, CB_GETCOUNT) == 20 && wordText(0) == "21" && wordText(19) == "2";
       go("5");
       return kept && send(IDC_WORD, CB_GETCOUNT) == 20 && wordText(1) == "21" &&
              wordText(19) == "2";
     }},
    {"Exit with 1001 characters says so and stays open",
     [] {
       SetDlgItemTextA(dialog, IDC_WORD, std::string(1001, 'a').c_str());
       return boxAfter([] { send(IDOK, BM_CLICK); }) ==
                  "Lexiquarium: Please enter no more than 1000 characters." &&
              IsWindow(dialog);
     }},
    {"Help without hh.exe says why in a box of the dialog's, which is active again after it, the "
     "focus where it was",
     [] {
       const HWND list = GetDlgItem(dialog, IDC_RESULTS);
       SetFocus(list);
       return boxAfter([] { SendMessageA(dialog, WM_HELP, 0, 0); }) ==
                  "Lexiquarium Error: Cannot run Hypertext Help program 'hh.exe': No such file or "
                  "directory." &&
              boxOwner == dialog && GetForegroundWindow() == dialog && GetFocus() == list;
     }},
    {"Help starts hh.exe on Lexiquarium.chm without waiting",
     [] {
       fs::copy_file(hhStub, "hh.exe");
       send(IDC_HELP_BUTTON, BM_CLICK);
       const bool waited = fs::exists("hh-args.txt");
       for (int i = 0; i < 100 && !fs::exists("hh-args.txt"); ++i) Sleep(100);
       Sleep(200);
       std::string args;
       std::getline(std::ifstream("hh-args.txt"), args);
       return !waited && args == "hh.exe|Lexiquarium.chm";
     }},
    {"the system menu ends with a separator, About, which opens the About box centred over the "
     "dialog, centred in the work area, and Closest first",
     [] {
       const HMENU menu = GetSystemMenu(dialog, FALSE);
       const int last = GetMenuItemCount(menu) - 1;
       char text[64] = "";
       char closestFirst[64] = "";
       GetMenuStringA(menu, IDM_ABOUT, text, sizeof text, MF_BYCOMMAND);
       GetMenuStringA(menu, IDM_CLOSEST_FIRST, closestFirst, sizeof closestFirst, MF_BYCOMMAND);
       RECT frame{};
       RECT work{};
       return GetMenuItemID(menu, last) == IDM_CLOSEST_FIRST &&
              GetMenuItemID(menu, last - 1) == IDM_ABOUT && GetMenuItemID(menu, last - 2) == 0 &&
              std::string(closestFirst) == LEXI_CLOSEST_FIRST_LABEL &&
              std::string(text) == "&About Lexiquarium..." &&
              boxAfter([] {
                SendMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUT, 0);
              }).rfind("About Lexiquarium: ", 0) == 0 &&
              GetWindowRect(dialog, &frame) && centred(boxFrame, frame) &&
              SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) && centred(frame, work);
     }},
    {"the program's icon has every size from 96 to 192 DPI in full colour, and it is drawn for "
     "each monitor's DPI",
     [] {
       return iconImages() == "16x32 20x32 24x32 32x32 40x32 48x32 64x32 256x32 " &&
              manifestSetting(L"dpiAwareness", L"2016") == L"PerMonitorV2, PerMonitor" &&
              manifestSetting(L"dpiAware", L"2005") == L"true/pm";
     }},
    {"a change of DPI, to 144, 192 and back to 96, puts the dialog in the frame the system "
     "suggests, its text, rows and layout scaled",
     [] {
       const Look before = look();
       bool scaled = true;
       for (const int dpi : {144, 192, 96}) {
         const auto by = [dpi](LONG size, LONG seen) {
           return std::abs(MulDiv(size, dpi, 96) - seen) <= 1;
         };
         RECT frame = before.frame;
         frame.right = frame.left + MulDiv(frame.right - frame.left, dpi, 96);
         frame.bottom = frame.top + MulDiv(frame.bottom - frame.top, dpi, 96);
         SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                      reinterpret_cast<LPARAM>(&frame));
         const Look after = look();
         scaled = scaled && EqualRect(&after.frame, &frame) && by(before.text, after.text) &&
                  by(before.row, after.row) && by(before.listWidth, after.listWidth);
       }
       return scaled;
     }},
};

// Over a UTF-8 list, read as UTF-8.
const std::vector<Case> kUtf8Cases = {
    {"a UTF-8 list is searched, copied and kept in the history as it holds its words",
     [] {
       SetDlgItemTextW(dialog, IDC_WORD, L"*\u00ef*");
       send(IDC_GO, BM_CLICK);
       return send(IDC_RESULTS, LB_GETCOUNT) == 1 && copyLine(0) == "na\u00efve" &&
              wordText(0) == "*\u00ef*";
     }},
    {"a letter of two bytes moves to the line that begins with it",
     [] {
       go("*");
       SetFocus(GetDlgItem(dialog, IDC_RESULTS));
       send(IDC_RESULTS, WM_KEYDOWN, VK_HOME);
       SendDlgItemMessageW(dialog, IDC_RESULTS, WM_CHAR, L'\u00e9', 0);
       return send(IDC_RESULTS, LB_GETCURSEL) == 1;
     }},
};

// The mode's list: 25 lines of "phone", then "fone", all of one sound.
constexpr int kSoundLines = 26;

std::wstring settingName() {
  const char* name = lexi::kClosestFirstSetting;
  return {name, name + std::strlen(name)};
}

// The flag the dialog stored, or -1 when it holds no number.
long storedFlag() {
  DWORD value = 0;
  DWORD size = sizeof value;
  return RegGetValueW(HKEY_CURRENT_USER, kTestKey, settingName().c_str(), RRF_RT_REG_DWORD, nullptr,
                      &value, &size) == ERROR_SUCCESS
             ? static_cast<long>(value)
             : -1;
}

// Whether the menu item and the results agree with the mode being `on`: a word
// lists its nearest lines, the equal word first, when it is on, and every line
// of its sound in file order when it is off; a pattern lists as it always does.
bool showsMode(bool on) {
  const UINT state = GetMenuState(GetSystemMenu(dialog, FALSE), IDM_CLOSEST_FIRST, MF_BYCOMMAND);
  go("*one");
  const bool pattern = send(IDC_RESULTS, LB_GETCOUNT) == kSoundLines && copyLine(0) == "phone";
  go("fone");
  const LRESULT count = send(IDC_RESULTS, LB_GETCOUNT);
  const std::string first = copyLine(0);
  const bool word = on ? first == "fone" && count <= static_cast<LRESULT>(lexi::kNearResults)
                       : first == "phone" && count == kSoundLines;
  return ((state & MF_CHECKED) != 0) == on && pattern && word;
}

// What the registry holds when a dialog opens.
struct Stored {
  const char* what;
  DWORD type;
  const void* data;
  DWORD size;
  bool on;
};
constexpr DWORD kZero = 0;
constexpr DWORD kOne = 1;
const std::vector<Stored> kStored = {
    {"nothing", REG_NONE, nullptr, 0, false},
    {"0", REG_DWORD, &kZero, sizeof kZero, false},
    {"1", REG_DWORD, &kOne, sizeof kOne, true},
    {"text, not a number", REG_SZ, L"1", sizeof L"1", false},
};

int failures = 0;
const std::vector<Case>* running;

// Runs the dialog over the list in LexiquariumWords.txt, and `cases` in it.
bool runDialog(const std::vector<Case>& cases) {
  lexi::WordList words;
  lexi::SoundIndex keys;
  lexi::Win32MessageDisplay messages;
  lexi::MessageNotifier notifier(messages);
  if (!words.load(lexi::WordList::kFileName, notifier) || !keys.build(words, notifier)) {
    return false;
  }
  running = &cases;
  SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    dialog = FindWindowA(nullptr, "Lexiquarium");
    for (const Case& c : *running) {
      const bool passed = c.passes();
      failures += passed ? 0 : 1;
      std::printf("%s: %s\n", passed ? "ok" : "FAIL", c.what.c_str());
    }
    go("");
    send(IDOK, BM_CLICK);
  });
  lexi::SearchDialog(words, keys, lexi::detectEncoding(words), "Lexiquarium", kTestKey).run();
  return true;
}

// For each value stored, a dialog shows the mode it means; choosing the item
// flips the mode and stores the new one, which a second dialog shows.
bool runModeDialogs() {
  std::ofstream list("LexiquariumWords.txt", std::ios::binary);
  for (int i = 1; i < kSoundLines; ++i) list << "phone n. sense " << i << '\n';
  list << "fone n. a spelling of phone\n";
  list.close();
  for (const Stored& stored : kStored) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    if (stored.data != nullptr) {
      RegSetKeyValueW(HKEY_CURRENT_USER, kTestKey, settingName().c_str(), stored.type, stored.data,
                      stored.size);
    }
    const bool on = stored.on;
    const std::string what = std::string("with ") + stored.what + " stored it starts " +
                             (on ? "on" : "off") + "; the item turns it " + (on ? "off" : "on");
    if (!runDialog({{what + " and stores that",
                     [on] {
                       const bool before = showsMode(on);
                       SendMessageA(dialog, WM_SYSCOMMAND, IDM_CLOSEST_FIRST, 0);
                       return before && showsMode(!on) && storedFlag() == (on ? 0 : 1);
                     }}}) ||
        !runDialog({{what + ", as a second dialog shows", [on] { return showsMode(!on); }}})) {
      return false;
    }
  }
  return true;
}

// Refuses to make the search dialog's window.
LRESULT CALLBACK refuseSearchDialog(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const wchar_t* name = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->lpszName;
    if (!IS_INTRESOURCE(name) && std::wcscmp(name, L"Lexiquarium") == 0) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The program where it cannot go on: its dialog refused, or without a list in
// a folder named with characters of no ANSI code page, whose box must name the
// file exactly, not with look-alikes.
void runFailedStarts(const fs::path& work) {
  const fs::path folder = work / u8"Sz\u00f3t\u00e1r \u0151 \U0001F600";
  fs::create_directory(folder);
  const auto missing = (folder / "LexiquariumWords.txt").u8string();
  const struct {
    fs::path where;
    HHOOK hook;
    std::string told;
  } cases[] = {
      {work, SetWindowsHookExW(WH_CBT, refuseSearchDialog, nullptr, GetCurrentThreadId()),
       "The search dialog cannot be shown"},
      {folder, nullptr, std::string(missing.begin(), missing.end())},
  };
  for (const auto& c : cases) {
    fs::current_path(c.where);
    int status = 0;
    const std::string box = boxAfter([&status] { status = lexi::CMainApp().run(); });
    if (c.hook != nullptr) UnhookWindowsHookEx(c.hook);
    const bool passed = status == 1 && box.rfind("Lexiquarium Error: ", 0) == 0 &&
                        box.find(c.told) != std::string::npos;
    failures += passed ? 0 : 1;
    std::printf("%s: the program tells why it cannot go on and exits with 1 (%s)\n",
                passed ? "ok" : "FAIL", box.c_str());
  }
  fs::current_path(work);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  hhStub = argv[1];
  program = argv[2];
  const fs::path work =
      fs::temp_directory_path() / ("lexi-" + std::to_string(GetCurrentProcessId()));
  fs::create_directories(work);
  fs::current_path(work);
  // Only this folder is searched: no help viewer of the system's is found. The
  // Windows folder's, searched first, is put aside while the dialog's cases
  // run (Wine lets any user move it).
  _putenv_s("PATH", work.string().c_str());
  wchar_t windows[MAX_PATH];
  const fs::path systemViewer =
      fs::path(windows, windows + GetWindowsDirectoryW(windows, MAX_PATH)) / "hh.exe";
  std::error_code noViewer;
  fs::rename(systemViewer, work / "system-hh.exe", noViewer);
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
  std::ofstream("LexiquariumWords.txt", std::ios::binary) << kLongLine << "\na\n";
  std::ofstream list("LexiquariumWords.txt", std::ios::binary | std::ios::app);
  for (int i = 0; i < kLines - 2; ++i) list << 'x' << i << '\n';
  list.close();

  const bool dialogRan = runDialog(kCases);
  if (!noViewer) fs::rename(work / "system-hh.exe", systemViewer);
  if (!dialogRan) return 1;
  std::ofstream("LexiquariumWords.txt", std::ios::binary)
      << "caf\u00e9 n. a coffee house\n\u00e9clair n. a pastry\nna\u00efve adj. simple\n";
  if (!runDialog(kUtf8Cases) || !runModeDialogs()) return 1;
  runFailedStarts(work);
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
  fs::current_path(work.parent_path());
  std::error_code ignored;
  fs::remove_all(work, ignored);
  std::printf("%d failed\n", failures);
  return failures == 0 ? 0 : 1;
}
