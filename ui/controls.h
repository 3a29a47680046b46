// The operations the dialog logic needs of its controls, with no toolkit type in
// them, so that one CSearchDlg serves every front end and the tests' fakes.
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

// The word field: an editable text with a drop-down list, which shows the
// history. The dialog keeps the history; the field only shows it.
class WordField {
 public:
  virtual ~WordField() = default;

  virtual std::string text() const = 0;
  virtual void setText(std::string_view text) = 0;
  // Shows `items`, newest first, as the drop-down list's items, in place of
  // those it showed.
  virtual void showHistory(const std::vector<std::string>& items) = 0;
  // Selects the whole text and brings the caret into view.
  virtual void selectAll() = 0;
  virtual void setFocus() = 0;
};

// The result list. The dialog keeps the lines and the selection; the list only
// shows rows, asking the dialog for the text of each row it draws
// (CSearchDlg::rowText), and reports what the user selects.
class ResultList {
 public:
  virtual ~ResultList() = default;
  // Shows `count` rows, none of them selected. False when the list cannot
  // take that many: it then shows none.
  virtual bool showRows(int count) = 0;
};

class Button {
 public:
  virtual ~Button() = default;
  virtual void setEnabled(bool enabled) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the clipboard's content with plain text. A copy that cannot be made
  // is dropped silently: the clipboard keeps what it held.
  virtual void setText(std::string_view text) = 0;
};

enum class MessageIcon { kError, kExclamation };

// A message box with only an OK button, modal over the program's window once
// there is one; it returns when the user has closed it.
class MessageDisplay {
 public:
  virtual ~MessageDisplay() = default;
  virtual void show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

// A control with two states that the user flips: a check box, or a checkable
// menu item. Flipping it calls the dialog's handler; setChecked does not.
class Toggle {
 public:
  virtual ~Toggle() = default;
  virtual bool isChecked() const = 0;
  virtual void setChecked(bool checked) = 0;
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

// Runs the About box modally.
class AboutBox {
 public:
  virtual ~AboutBox() = default;
  virtual void run() = 0;
};

}  // namespace lexi
