// The dialog's control interfaces over the real Win32 controls of the
// IDD_SEARCH template, the message boxes and About box they open, the system
// menu's checkable item, and the registry that keeps the user's choices.
//
// Text crosses as the engine's bytes in the list's code page (code_page.h):
// for the bundled Latin-1 list, the ANSI code page, which is Windows-1252 there.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/controls.h"
#include "ui/win32/code_page.h"

namespace lexi {

class Win32WordField : public WordField {
 public:
  // `combo` is a drop-down combo box with CBS_LOWERCASE on dialog `dialog`.
  Win32WordField(HWND dialog, HWND combo, CodePage page)
      : dialog_(dialog), combo_(combo), page_(page) {}

  std::string text() const override;
  void setText(std::string_view text) override;
  std::string itemText(int index) const override;
  int deleteItem(int index) override;
  // Lower-cases the item as the control lower-cases what is typed.
  int insertTop(std::string_view text) override;
  void setCurrentItem(int index) override;
  int itemCount() const override;
  void selectAll() override;
  void setFocus() override;

 private:
  HWND dialog_;
  HWND combo_;
  CodePage page_;
};

// The result lines over an owner-drawn list box without data of its own
// (LBS_NODATA): it keeps pointers to texts that outlive it, so a million lines
// cost no copies and show at once. Appended lines become visible at publish().
// A line cut off at the list's edge is shown whole (as far as it is drawn, 1024
// characters) in a tooltip beneath it, wrapped at the list's width, while the
// mouse rests on it or it is newly selected; screen readers read the tooltip.
class Win32ResultList : public ResultList {
 public:
  // Makes the tooltip, owned by the list's dialog, and watches the list's mouse;
  // the list must not outlive this object.
  Win32ResultList(HWND list, CodePage page);
  Win32ResultList(const Win32ResultList&) = delete;
  Win32ResultList& operator=(const Win32ResultList&) = delete;

  void appendLine(const char* text) override { lines_.push_back(text); }
  void clear() override;
  int count() const override { return static_cast<int>(lines_.size()); }
  int selectedIndex() const override;
  std::string_view lineText(int index) const override;

  // False when the list box cannot take that many lines: it then shows none,
  // and count() is 0.
  bool publish();
  // Draws one line for WM_DRAWITEM.
  void drawItem(const DRAWITEMSTRUCT& item) const;
  // Typing a letter in the list moves to the next line that begins with it,
  // ignoring the case of A to Z, as in a list box that keeps its own strings:
  // the index of that line after `caret` (wrapping round), or -2 when there is none.
  int lineAfter(int caret, wchar_t letter) const;
  // Shows line `index` in the tooltip if it is cut off, else hides the tooltip.
  void showWhole(int index);

 private:
  static LRESULT CALLBACK watchMouse(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR self);
  std::wstring shownText(std::size_t index) const;

  HWND list_;
  CodePage page_;
  std::vector<const char*> lines_;
  HWND tip_;
  int tipLine_ = -1;
};

class Win32Button : public Button {
 public:
  explicit Win32Button(HWND button) : button_(button) {}
  void setEnabled(bool enabled) override { EnableWindow(button_, enabled); }

 private:
  HWND button_;
};

// Unicode text (CF_UNICODETEXT, from which the system makes CF_TEXT for
// programs that ask for it) owned by the dialog while it is on the clipboard.
class Win32Clipboard : public Clipboard {
 public:
  Win32Clipboard(HWND owner, CodePage page) : owner_(owner), page_(page) {}
  void setText(std::string_view text) override;

 private:
  HWND owner_;
  CodePage page_;
};

// A checkable item of a menu, known by its command id.
class Win32MenuToggle : public Toggle {
 public:
  Win32MenuToggle(HMENU menu, UINT id) : menu_(menu), id_(id) {}
  // False while the menu has no such item.
  bool isChecked() const override;
  void setChecked(bool checked) override;

 private:
  HMENU menu_;
  UINT id_;
};

// Where the program keeps its choices, under HKEY_CURRENT_USER.
inline constexpr const wchar_t* kSettingsKey = L"Software\\Lexiquarium";

// Flags as REG_DWORD values, 0 or 1, of `key` under HKEY_CURRENT_USER; the key
// is made when a flag is first stored.
class RegistryPreferences : public Preferences {
 public:
  explicit RegistryPreferences(std::wstring key) : key_(std::move(key)) {}
  bool readFlag(std::string_view name, bool fallback) const override;
  void writeFlag(std::string_view name, bool value) override;

 private:
  std::wstring key_;
};

// Message boxes modal over `owner`, which is active again with the focus where
// it was once a box is closed; task-modal with no owner before there is a window.
class Win32MessageDisplay : public MessageDisplay {
 public:
  explicit Win32MessageDisplay(HWND owner = nullptr) : owner_(owner) {}
  void show(const std::string& text, const std::string& title, MessageIcon icon) override;

 private:
  HWND owner_;
};

// CAboutDlg: the IDD_ABOUT template, modal and centred over `owner`.
class CAboutDlg : public AboutBox {
 public:
  explicit CAboutDlg(HWND owner) : owner_(owner) {}
  void run() override;

 private:
  HWND owner_;
};

// Moves `window` to the middle of `area`, in screen coordinates.
void centreIn(HWND window, const RECT& area);

}  // namespace lexi
