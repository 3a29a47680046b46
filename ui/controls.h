// What the dialog logic needs of the window that shows it, with no toolkit type
// in it, so that one CSearchDlg serves every front end and the tests' fakes.
//
// Text crossing these interfaces is the engine's: the word list's bytes, in the
// list's encoding (wordlist/text_encoding.h): single-byte Latin-1, or the ANSI
// code page on Windows, or UTF-8, as the list is. A front end converts at its
// own edge.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lexi {

// The search dialog's window. The dialog logic keeps the state (the history,
// the lines found, the selection, the mode) and tells the window what to show;
// the window draws each result row from CSearchDlg::rowText and calls the
// logic's handlers from the user's events.
class SearchView {
 public:
  virtual ~SearchView() = default;

  // The word field: an editable text whose drop-down list shows the history.
  virtual std::string wordText() const = 0;
  virtual void setWordText(std::string_view text) = 0;
  // Shows `items`, newest first, as the drop-down's items in place of those it
  // showed.
  virtual void showHistory(const std::vector<std::string>& items) = 0;
  // Selects the field's whole text and brings the caret into view.
  virtual void selectWord() = 0;
  virtual void focusWord() = 0;

  // Shows `count` result rows, none of them selected. False when the list
  // cannot take that many: it then shows none.
  virtual bool showRows(int count) = 0;

  enum class Command { kGo, kCopy };
  virtual void enable(Command command, bool enabled) = 0;

  // Replaces the clipboard's content with plain text. A copy that cannot be
  // made is dropped silently: the clipboard keeps what it held.
  virtual void copyText(std::string_view text) = 0;

  // The "closest first" check box or checkable menu item. The user's flip
  // calls CSearchDlg::OnClosestFirst; setClosestFirst does not.
  virtual bool closestFirst() const = 0;
  virtual void setClosestFirst(bool checked) = 0;

  // Runs the About box modally over the window.
  virtual void runAbout() = 0;
};

enum class MessageIcon { kError, kExclamation };

// A message box with only an OK button, modal over the program's window once
// there is one; it returns when the user has closed it.
class MessageDisplay {
 public:
  virtual ~MessageDisplay() = default;
  virtual void show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

// What the program keeps between runs, by name: the toolkit's settings under the
// user's configuration folder on Linux, the registry on Windows.
class Preferences {
 public:
  virtual ~Preferences() = default;
  // `fallback` when nothing is stored under `name`, or it cannot be read.
  virtual bool readFlag(std::string_view name, bool fallback) const = 0;
  // A value that cannot be stored is dropped: the choice then lasts this run.
  virtual void writeFlag(std::string_view name, bool value) = 0;
};

}  // namespace lexi
