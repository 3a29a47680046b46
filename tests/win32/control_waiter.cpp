// Waits up to 60 s for a visible control whose text is TEXT in a window whose
// title begins with TITLE (the installer's gains a space on some pages), as
// another program shows it; exits with 0 once there is one, 1 if it is an
// unchecked box, 2 if none came.
// Usage: control_waiter.exe TITLE TEXT
#include <windows.h>

#include <string>

namespace {

struct Search {
  std::wstring title;
  std::wstring text;
  HWND found;
};

BOOL CALLBACK lookAtControl(HWND control, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  wchar_t text[256] = L"";
  GetWindowTextW(control, text, 256);  // sends nothing, so a busy window cannot hold it up
  if (IsWindowVisible(control) && search.text == text) search.found = control;
  return search.found == nullptr;
}

BOOL CALLBACK lookInWindow(HWND window, LPARAM data) {
  wchar_t title[256] = L"";
  GetWindowTextW(window, title, 256);
  const auto& search = *reinterpret_cast<const Search*>(data);
  if (std::wstring(title).rfind(search.title, 0) == 0)
    EnumChildWindows(window, lookAtControl, data);
  return search.found == nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 100;
  Search search{argv[1], argv[2], nullptr};
  for (int i = 0; i < 600 && search.found == nullptr; ++i) {
    EnumWindows(lookInWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(100);
  }
  if (search.found == nullptr) return 2;
  const LONG type = GetWindowLongW(search.found, GWL_STYLE) & BS_TYPEMASK;
  const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
  return box && SendMessageW(search.found, BM_GETCHECK, 0, 0) == BST_UNCHECKED ? 1 : 0;
}
