#include "ui/win32/search_dialog.h"

#include <cstring>
#include <string>
#include <utility>

namespace lexi {

namespace {

HICON loadIcon(int size) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN),
                                       IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

SearchDialog::SearchDialog(const WordList& words, const SoundIndex& keys, TextEncoding encoding,
                           std::string appTitle, const wchar_t* settingsKey)
    : codec_(windowsListCodec(encoding)),
      preferences_(settingsKey),
      dlg_(*this, *this, preferences_, helpStarter_, std::move(appTitle), words, keys, encoding) {}

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
  results_.reset();
  layout_.reset();
  dialog_ = nullptr;
  SetLastError(error);
  return result;
}

INT_PTR CALLBACK SearchDialog::proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    return reinterpret_cast<SearchDialog*>(lParam)->OnInitDialog(dialog);
  }
  auto* self = reinterpret_cast<SearchDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (self == nullptr || self->dialog_ == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      self->OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_DRAWITEM:
      if (wParam != IDC_RESULTS) return FALSE;
      self->results_->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_VKEYTOITEM:
      return -1;  // the list box's own keys
    case WM_CHARTOITEM: {
      // The caret's index in the message has 16 bits only; the list box knows it whole.
      const HWND list = GetDlgItem(dialog, IDC_RESULTS);
      if (reinterpret_cast<HWND>(lParam) != list) return -1;
      const auto caret = static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0));
      return self->results_->lineAfter(caret, static_cast<wchar_t>(LOWORD(wParam)));
    }
    case WM_HELP:  // F1
      self->dlg_.OnHelpButton();
      return TRUE;
    case WM_SYSCOMMAND:
      return self->OnSysCommand(wParam);
    case WM_PAINT:
      return self->OnPaint(dialog);
    case WM_MOVE:  // a tooltip left behind would float apart from its line
      self->results_->showWhole(-1);
      return FALSE;
    case WM_DPICHANGED: {
      const int dpi = LOWORD(wParam);
      self->layout_->scaleTo(dpi, *reinterpret_cast<const RECT*>(lParam));
      self->results_->fitToFont();
      self->setIcons(MulDiv(16, dpi, 96), MulDiv(32, dpi, 96));
      return TRUE;
    }
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(self->m_hIcon);
    default:
      return FALSE;
  }
}

BOOL SearchDialog::OnInitDialog(HWND dialog) {
  dialog_ = dialog;
  layout_.emplace(dialog);
  results_.emplace(item(IDC_RESULTS), codec_, dlg_);
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
  setIcons(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CXICON));
  dlg_.OnInitDialog();
  return FALSE;  // the focus is set
}

void SearchDialog::OnCommand(HWND dialog, int id, int code) {
  CSearchDlg& dlg = dlg_;
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
      if (code == LBN_SELCHANGE) results_->showWhole(dlg.selectedRow());
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
      dlg_.OnAboutButton();
      return true;
    case IDM_CLOSEST_FIRST:
      setClosestFirst(!closestFirst());
      dlg_.OnClosestFirst();
      return true;
    default:
      return false;
  }
}

void SearchDialog::setIcons(int small, int big) {
  DestroyIcon(m_hIcon);
  DestroyIcon(smallIcon_);
  m_hIcon = loadIcon(big);
  smallIcon_ = loadIcon(small);
  SendMessageA(dialog_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(dialog_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
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

std::string SearchDialog::wordText() const {
  const HWND combo = item(IDC_WORD);
  const int length = GetWindowTextLengthW(combo);
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  wide.resize(static_cast<std::size_t>(GetWindowTextW(combo, wide.data(), length + 1)));
  return listBytes(codec_, wide);
}

void SearchDialog::setWordText(std::string_view text) {
  SetWindowTextW(item(IDC_WORD), wideText(codec_, text).c_str());
}

void SearchDialog::showHistory(const std::vector<std::string>& items) {
  const HWND combo = item(IDC_WORD);
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  // An item the list has no room for is left out: the dialog keeps it.
  for (const std::string& text : items) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(codec_, text).c_str()));
  }
}

void SearchDialog::selectWord() {
  const HWND combo = item(IDC_WORD);
  SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(combo, &info)) SendMessageA(info.hwndItem, EM_SCROLLCARET, 0, 0);
}

void SearchDialog::focusWord() {
  // Through the dialog manager, so that the default button stays right.
  SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(IDC_WORD)), TRUE);
}

void SearchDialog::copyText(std::string_view text) {
  // Unicode text, from which the system makes CF_TEXT for programs that ask
  // for it. The block is made before the clipboard is emptied, so that a
  // failure leaves the clipboard as it was.
  const std::wstring wide = wideText(codec_, text);
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  if (block == nullptr) return;
  auto* const units = static_cast<wchar_t*>(GlobalLock(block));
  if (units == nullptr) {
    GlobalFree(block);
    return;
  }
  std::memcpy(units, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(block);
  if (!OpenClipboard(dialog_)) {
    GlobalFree(block);
    return;
  }
  EmptyClipboard();
  if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) GlobalFree(block);
  CloseClipboard();
}

bool SearchDialog::closestFirst() const {
  const UINT state = GetMenuState(GetSystemMenu(dialog_, FALSE), IDM_CLOSEST_FIRST, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void SearchDialog::setClosestFirst(bool checked) {
  CheckMenuItem(GetSystemMenu(dialog_, FALSE), IDM_CLOSEST_FIRST,
                MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace lexi
