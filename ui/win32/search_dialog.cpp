#include "ui/win32/search_dialog.h"

#include <string>
#include <utility>

#include "res/windows/resource.h"

namespace lexi {

namespace {

HICON loadIcon(int metricX, int metricY) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN),
                                       IMAGE_ICON, GetSystemMetrics(metricX),
                                       GetSystemMetrics(metricY), LR_DEFAULTCOLOR));
}

HWND item(HWND dialog, int id) {
  return GetDlgItem(dialog, id);
}

}  // namespace

SearchDialog::Live::Live(HWND dialog, SearchDialog& owner)
    : messages(dialog),
      word(dialog, item(dialog, IDC_WORD), owner.codec_),
      results(item(dialog, IDC_RESULTS), owner.codec_, dlg),
      go(item(dialog, IDC_GO)),
      copy(item(dialog, IDC_COPY)),
      clipboard(dialog, owner.codec_),
      about(dialog),
      closestFirst(GetSystemMenu(dialog, FALSE), IDM_CLOSEST_FIRST),
      mode{closestFirst, owner.preferences_},
      dlg({word, results, go, copy, clipboard, messages}, owner.words_, owner.keys_,
          owner.encoding_, owner.helpStarter_, about, owner.appTitle_, &mode) {}

SearchDialog::SearchDialog(const WordList& words, const SoundIndex& keys, TextEncoding encoding,
                           std::string appTitle, const wchar_t* settingsKey)
    : words_(words),
      keys_(keys),
      encoding_(encoding),
      codec_(windowsListCodec(encoding)),
      appTitle_(std::move(appTitle)),
      m_hIcon(loadIcon(SM_CXICON, SM_CYICON)),
      smallIcon_(loadIcon(SM_CXSMICON, SM_CYSMICON)),
      preferences_(settingsKey) {}

SearchDialog::~SearchDialog() {
  DestroyIcon(m_hIcon);
  DestroyIcon(smallIcon_);
}

INT_PTR SearchDialog::run() {
  // Unicode controls, so that what is typed reaches the word field whole; it is
  // turned into the engine's bytes as it is read.
  const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SEARCH),
                                         nullptr, proc, reinterpret_cast<LPARAM>(this));
  const DWORD error = GetLastError();
  live_.reset();
  SetLastError(error);
  return result;
}

INT_PTR CALLBACK SearchDialog::proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    return reinterpret_cast<SearchDialog*>(lParam)->OnInitDialog(dialog);
  }
  auto* self = reinterpret_cast<SearchDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (self == nullptr || !self->live_) return FALSE;
  switch (message) {
    case WM_COMMAND:
      self->OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_DRAWITEM:
      if (wParam != IDC_RESULTS) return FALSE;
      self->live_->results.drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_VKEYTOITEM:
      return -1;  // the list box's own keys
    case WM_CHARTOITEM: {
      // The caret's index in the message has 16 bits only; the list box knows it whole.
      const HWND list = GetDlgItem(dialog, IDC_RESULTS);
      if (reinterpret_cast<HWND>(lParam) != list) return -1;
      const auto caret = static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0));
      return self->live_->results.lineAfter(caret, static_cast<wchar_t>(LOWORD(wParam)));
    }
    case WM_HELP:  // F1
      self->live_->dlg.OnHelpButton();
      return TRUE;
    case WM_SYSCOMMAND:
      return self->OnSysCommand(wParam);
    case WM_PAINT:
      return self->OnPaint(dialog);
    case WM_MOVE:  // a tooltip left behind would float apart from its line
      self->live_->results.showWhole(-1);
      return FALSE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(self->m_hIcon);
    default:
      return FALSE;
  }
}

BOOL SearchDialog::OnInitDialog(HWND dialog) {
  live_.emplace(dialog, *this);
  POINT mouse{};
  GetCursorPos(&mouse);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromPoint(mouse, MONITOR_DEFAULTTONEAREST), &monitor)) {
    centreIn(dialog, monitor.rcWork);
  }

  const HMENU systemMenu = GetSystemMenu(dialog, FALSE);
  char aboutText[64] = "";
  if (systemMenu != nullptr &&
      LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUT_MENU, aboutText, sizeof aboutText) > 0) {
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, aboutText);
  }
  char closestFirstText[64] = "";
  if (systemMenu != nullptr && LoadStringA(GetModuleHandleA(nullptr), IDS_CLOSEST_FIRST_MENU,
                                           closestFirstText, sizeof closestFirstText) > 0) {
    AppendMenuA(systemMenu, MF_STRING, IDM_CLOSEST_FIRST, closestFirstText);
  }
  if (systemMenu != nullptr) EnableMenuItem(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND | MF_DISABLED);
  SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

  // The owner-drawn lines are as high as the dialog font's.
  const HWND list = item(dialog, IDC_RESULTS);
  const HDC dc = GetDC(list);
  const HGDIOBJ oldFont =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, oldFont);
  ReleaseDC(list, dc);
  SendMessageA(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(metrics.tmHeight, 0));

  live_->dlg.OnInitDialog();
  return FALSE;  // the focus is set
}

void SearchDialog::OnCommand(HWND dialog, int id, int code) {
  CSearchDlg& dlg = live_->dlg;
  // A list box's selection may change without a notice (LB_SETCURSEL from an
  // accessibility tool, say): the dialog hears of it before anything uses it.
  if (id == IDC_COPY || id == IDC_RESULTS) {
    dlg.OnSelchangeResults(
        static_cast<int>(SendDlgItemMessageA(dialog, IDC_RESULTS, LB_GETCURSEL, 0, 0)));
  }
  switch (id) {
    case IDC_GO:
      dlg.OnGo();
      break;
    case IDC_COPY:
      dlg.OnCopy();
      break;
    case IDC_ABOUT:
      dlg.OnAboutButton();
      break;
    case IDC_HELP_BUTTON:
      dlg.OnHelpButton();
      break;
    case IDC_RESULTS:
      if (code == LBN_SELCHANGE) live_->results.showWhole(dlg.selectedRow());
      if (code == LBN_DBLCLK) dlg.OnDblclkResults();
      break;
    case IDOK:
      if (dlg.OnOK()) EndDialog(dialog, IDOK);
      break;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      break;
    default:
      break;
  }
}

bool SearchDialog::OnSysCommand(WPARAM command) {
  switch (command & 0xFFF0) {
    case IDM_ABOUT:
      live_->dlg.OnAboutButton();
      return true;
    case IDM_CLOSEST_FIRST:
      live_->closestFirst.setChecked(!live_->closestFirst.isChecked());
      live_->dlg.OnClosestFirst();
      return true;
    default:
      return false;
  }
}

bool SearchDialog::OnPaint(HWND dialog) {
  if (!IsIconic(dialog)) return false;
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(dialog, &paint);
  SendMessageA(dialog, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(dialog, &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, m_hIcon);
  EndPaint(dialog, &paint);
  return true;
}

}  // namespace lexi
