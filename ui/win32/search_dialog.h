// The search dialog's window: the IDD_SEARCH template run modally, its
// messages routed to the handlers of CSearchDlg. What the dialog framework
// would add lives here too: the system menu's About item, the window icons, the
// icon drawn while minimised, and Help on F1. The system menu also holds the
// "closest first" mode's checkable item. A find whose lines the list box cannot
// take shows none and says so. The dialog opens centred on the work area of the
// monitor that holds the mouse, and owns its message boxes. Moved to a monitor
// of another DPI, it is made again for that DPI (DpiLayout), its rows too.
//
// The word field is a drop-down combo box with CBS_LOWERCASE: unlike the other
// front ends, which fold A to Z only, it lowers every letter typed and every
// item shown, as the dialog template asks.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "res/windows/resource.h"
#include "ui/search_dlg.h"
#include "ui/win32/dpi_layout.h"
#include "ui/win32/spawn_process_starter.h"
#include "ui/win32/win32_controls.h"

namespace lexi {

class SearchDialog : private SearchView, private MessageDisplay {
 public:
  // `keys` is the sound index over `words`; both must outlive the dialog. The
  // lines are shown, and queries made, in `encoding`. `appTitle` titles the
  // length message. The choices are kept under `settingsKey` in HKEY_CURRENT_USER.
  SearchDialog(const WordList& words, const SoundIndex& keys, TextEncoding encoding,
               std::string appTitle, const wchar_t* settingsKey = kSettingsKey);
  ~SearchDialog();
  SearchDialog(const SearchDialog&) = delete;
  SearchDialog& operator=(const SearchDialog&) = delete;

  // Runs the dialog until it is closed; returns IDOK (Exit), IDCANCEL (Esc, the
  // close box) or -1 when the window cannot be made, GetLastError then telling
  // why (ERROR_SUCCESS when the system gave no reason).
  INT_PTR run();

 private:
  std::string wordText() const override;
  void setWordText(std::string_view text) override;
  void showHistory(const std::vector<std::string>& items) override;
  void selectWord() override;
  void focusWord() override;
  bool showRows(int count) override { return results_->showRows(count); }
  void enable(Command command, bool on) override {
    EnableWindow(item(command == Command::kGo ? IDC_GO : IDC_COPY), on);
  }
  void copyText(std::string_view text) override;
  // The mode is a checkable item of the system menu.
  bool closestFirst() const override;
  void setClosestFirst(bool checked) override;
  void runAbout() override { runAboutBox(dialog_); }
  void show(const std::string& text, const std::string& title, MessageIcon icon) override {
    Win32MessageDisplay(dialog_).show(text, title, icon);
  }

  HWND item(int id) const { return GetDlgItem(dialog_, id); }
  static INT_PTR CALLBACK proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  BOOL OnInitDialog(HWND dialog);
  void OnCommand(HWND dialog, int id, int code);
  bool OnSysCommand(WPARAM command);
  bool OnPaint(HWND dialog);
  // The window's icons, `small` and `big` pixels wide, for its monitor's DPI.
  void setIcons(int small, int big);

  ListCodec codec_;
  HICON m_hIcon = nullptr;
  HICON smallIcon_ = nullptr;
  SpawnProcessStarter helpStarter_;
  RegistryPreferences preferences_;
  CSearchDlg dlg_;
  HWND dialog_ = nullptr;                   // while the window exists
  std::optional<Win32ResultList> results_;  // likewise
  std::optional<DpiLayout> layout_;         // likewise
};

}  // namespace lexi
