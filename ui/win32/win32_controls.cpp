#include "ui/win32/win32_controls.h"

// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "res/windows/resource.h"
#include "wordlist/ansi_code_page.h"
#include "wordlist/input_file.h"
#include "wordlist/text_encoding.h"

namespace lexi {

namespace {

// The longest part of a line that is drawn; the rest lies far beyond the edge.
constexpr int kMostDrawnChars = 1024;
// The gap between the list's edge and a line's text.
constexpr int kTextMargin = 2;

// The one tool of a result list's tooltip: the whole list, placed by hand.
TTTOOLINFOW tipTool(HWND list, wchar_t* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_TRANSPARENT;
  tool.hwnd = list;
  tool.lpszText = text;
  return tool;
}

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the controls' text is UTF-16");

}  // namespace

ListCodec windowsListCodec(TextEncoding encoding) {
  // A UTF-8 list never reads the code page's table.
  return ListCodec(encoding,
                   encoding == TextEncoding::kUtf8 ? latin1Charset() : ansiCodePageCharset());
}

std::string listBytes(const ListCodec& codec, std::wstring_view text) {
  return codec
      .toList(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()))
      .bytes;
}

std::wstring wideText(const ListCodec& codec, std::string_view bytes) {
  std::wstring text(bytes.size(), L'\0');
  text.resize(codec.toUtf16(bytes, reinterpret_cast<char16_t*>(text.data())));
  return text;
}

Win32ResultList::Win32ResultList(HWND list, const ListCodec& codec, const CSearchDlg& dlg)
    : list_(list),
      codec_(codec),
      dlg_(dlg),
      tip_(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0,
                           0, 0, 0, GetParent(list), nullptr, nullptr, nullptr)) {
  wchar_t empty[] = L"";
  TTTOOLINFOW tool = tipTool(list, empty);
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  fitToFont();
  SetWindowSubclass(list, watchMouse, 0, reinterpret_cast<DWORD_PTR>(this));
}

void Win32ResultList::fitToFont() {
  const auto font = static_cast<WPARAM>(SendMessageW(list_, WM_GETFONT, 0, 0));
  const HDC dc = GetDC(list_);
  const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, oldFont);
  ReleaseDC(list_, dc);
  SendMessageW(list_, LB_SETITEMHEIGHT, 0, MAKELPARAM(metrics.tmHeight, 0));
  RECT client{};
  GetClientRect(list_, &client);
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, client.right);
  SendMessageW(tip_, WM_SETFONT, font, FALSE);
}

bool Win32ResultList::showRows(int count) {
  showWhole(-1);
  SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  if (count == 0) return true;
  const LRESULT result = SendMessageA(list_, LB_SETCOUNT, static_cast<WPARAM>(count), 0);
  if (result != LB_ERR && result != LB_ERRSPACE) return true;
  SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  return false;
}

void Win32ResultList::drawItem(const DRAWITEMSTRUCT& item) const {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const HDC dc = item.hDC;
  SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  wchar_t shown[kMostDrawnChars];
  const std::size_t length = shownText(static_cast<int>(item.itemID), shown);
  ExtTextOutW(dc, item.rcItem.left + kTextMargin, item.rcItem.top, ETO_OPAQUE | ETO_CLIPPED,
              &item.rcItem, shown, static_cast<UINT>(length), nullptr);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &item.rcItem);
}

int Win32ResultList::lineAfter(int caret, wchar_t letter) const {
  // A letter may take several bytes in the list.
  const std::string bytes = listBytes(codec_, {&letter, 1});
  const auto beginsWithLetter = [&](std::string_view line) {
    return line.size() >= bytes.size() && equalFoldingAZ(line.substr(0, bytes.size()), bytes);
  };
  const auto count = static_cast<std::size_t>(dlg_.rowCount());
  for (std::size_t step = 1; step <= count; ++step) {
    const std::size_t index = (static_cast<std::size_t>(caret < 0 ? -1 : caret) + step) % count;
    if (beginsWithLetter(dlg_.rowText(static_cast<int>(index)))) return static_cast<int>(index);
  }
  return -2;
}

std::size_t Win32ResultList::shownText(int index, wchar_t* out) const {
  if (index < 0 || index >= dlg_.rowCount()) return 0;
  const std::string_view line = dlg_.rowText(index);
  return codec_.toUtf16(line.substr(0, kMostDrawnChars), reinterpret_cast<char16_t*>(out));
}

void Win32ResultList::showWhole(int index) {
  RECT line{};
  std::wstring text;
  if (index >= 0 && index < dlg_.rowCount() &&
      SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&line)) != LB_ERR) {
    text.resize(kMostDrawnChars);
    text.resize(shownText(index, text.data()));
    const HDC dc = GetDC(list_);
    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list_, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, oldFont);
    ReleaseDC(list_, dc);
    if (kTextMargin + size.cx <= line.right - line.left) text.clear();
    // The bundled list parts a meaning's words with no-break spaces, which
    // would keep the tooltip from wrapping.
    std::replace(text.begin(), text.end(), L'\u00a0', L' ');
  }
  TTTOOLINFOW tool = tipTool(list_, text.data());
  if (text.empty()) {
    SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    tipLine_ = -1;
    return;
  }
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  POINT below{line.left, line.bottom};
  ClientToScreen(list_, &below);
  SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(below.x, below.y));
  SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  tipLine_ = index;
}

LRESULT CALLBACK Win32ResultList::watchMouse(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR self) {
  auto& results = *reinterpret_cast<Win32ResultList*>(self);
  // The line under the mouse, from the top line: LB_ITEMFROMPOINT has 16 bits.
  const auto lineAtMouse = [&] {
    const auto y = static_cast<short>(HIWORD(lParam));
    const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    if (y < 0 || height <= 0) return -1;
    return static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)) + y / height;
  };
  switch (message) {
    case WM_MOUSEMOVE:
      // A tooltip waits for the mouse to rest on a line, as on other lists.
      if (lineAtMouse() != results.tipLine_) {
        results.showWhole(-1);
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, list, HOVER_DEFAULT};
        TrackMouseEvent(&track);
      }
      break;
    case WM_MOUSEHOVER:
      results.showWhole(lineAtMouse());
      break;
    case WM_MOUSELEAVE:
    case WM_KILLFOCUS:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
      results.showWhole(-1);
      break;
    default:
      break;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

namespace {

// The settings' names are ASCII.
std::wstring valueName(std::string_view name) {
  return {name.begin(), name.end()};
}

}  // namespace

bool RegistryPreferences::readFlag(std::string_view name, bool fallback) const {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), valueName(name).c_str(), RRF_RT_REG_DWORD,
                   nullptr, &value, &size) != ERROR_SUCCESS) {
    return fallback;
  }
  return value != 0;
}

void RegistryPreferences::writeFlag(std::string_view name, bool value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  const DWORD data = value ? 1 : 0;
  RegSetValueExW(key, valueName(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                 sizeof data);
  RegCloseKey(key);
}

void Win32MessageDisplay::show(const std::string& text, const std::string& title,
                               MessageIcon icon) {
  const UINT style = icon == MessageIcon::kError ? MB_ICONERROR : MB_ICONEXCLAMATION;
  // An owned box hands the activation back to its owner, whose dialog manager
  // puts the focus back; a box of no one's, to whatever window comes next.
  MessageBoxW(owner_, wideFromUtf8(text).c_str(), wideFromUtf8(title).c_str(),
              MB_OK | style | (owner_ == nullptr ? MB_TASKMODAL : MB_APPLMODAL));
}

void centreIn(HWND window, const RECT& area) {
  RECT frame{};
  GetWindowRect(window, &frame);
  SetWindowPos(window, nullptr, (area.left + area.right - (frame.right - frame.left)) / 2,
               (area.top + area.bottom - (frame.bottom - frame.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    RECT owner{};
    if (GetWindowRect(GetWindow(dialog, GW_OWNER), &owner)) centreIn(dialog, owner);
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

void runAboutBox(HWND owner) {
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, aboutProc, 0);
}

}  // namespace lexi
