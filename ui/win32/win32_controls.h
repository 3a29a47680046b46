// What the Win32 search dialog is made of besides its template's controls: the
// result list's drawing, the message boxes and About box it opens, and the
// registry that keeps the user's choices.
//
// Text crosses as the engine's bytes: for a single-byte list, the ANSI code
// page (Windows-1252 for the bundled list there), for a UTF-8 list UTF-8, so
// that such a list shows and is searched as on Linux. The controls' UTF-16
// meets those bytes in the core's ListCodec (windowsListCodec).
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "ui/controls.h"
#include "ui/search_dlg.h"
#include "wordlist/text_conversion.h"

namespace lexi {

// The list's ListCodec on Windows: a single-byte list is in the ANSI code page,
// read once a program; a byte the code page leaves undefined shows as U+FFFD,
// and a character it has no byte for is never replaced by a look-alike.
ListCodec windowsListCodec(TextEncoding encoding);

// The controls' text as the list's bytes, a 0x1A for each character the list
// cannot hold, and the list's bytes as the controls' text.
std::string listBytes(const ListCodec& codec, std::wstring_view text);
std::wstring wideText(const ListCodec& codec, std::string_view bytes);

// The result rows over an owner-drawn list box without data of its own
// (LBS_NODATA): each row is drawn from the dialog's lines, so a million lines
// cost no copies and show at once. A line cut off at the list's edge is shown
// whole (as far as it is drawn, 1024 characters) in a tooltip beneath it,
// wrapped at the list's width, while the mouse rests on it or it is newly
// selected; screen readers read the tooltip.
class Win32ResultList {
 public:
  // Makes the tooltip, owned by the list's dialog, and watches the list's mouse;
  // the list must not outlive this object.
  Win32ResultList(HWND list, const ListCodec& codec, const CSearchDlg& dlg);
  Win32ResultList(const Win32ResultList&) = delete;
  Win32ResultList& operator=(const Win32ResultList&) = delete;

  // Shows `count` rows, none of them selected. False when the list box
  // cannot take that many: it then shows none.
  bool showRows(int count);

  // Draws one line for WM_DRAWITEM.
  void drawItem(const DRAWITEMSTRUCT& item) const;
  // Typing a letter in the list moves to the next line that begins with it,
  // ignoring the case of A to Z, as in a list box that keeps its own strings:
  // the index of that line after `caret` (wrapping round), or -2 when there is none.
  int lineAfter(int caret, wchar_t letter) const;
  // Shows line `index` in the tooltip if it is cut off, else hides the tooltip.
  void showWhole(int index);
  // Rows as high as the list font's lines, the tooltip as wide as the list and
  // in its font: done at the start, and to be done at each change of DPI.
  void fitToFont();

 private:
  static LRESULT CALLBACK watchMouse(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR self);
  // The drawn part of row `index`, written to `out` (kMostDrawnChars units);
  // returns the units written. It allocates nothing.
  std::size_t shownText(int index, wchar_t* out) const;

  HWND list_;
  const ListCodec& codec_;
  const CSearchDlg& dlg_;
  HWND tip_;
  int tipLine_ = -1;
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

// Runs the About box, the IDD_ABOUT template, modal and centred over `owner`.
void runAboutBox(HWND owner);

// Moves `window` to the middle of `area`, in screen coordinates.
void centreIn(HWND window, const RECT& area);

}  // namespace lexi
