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

#include "match/search.h"

namespace lexi {

// The word field: an editable text with a drop-down list, which is the history.
class WordField {
 public:
  virtual ~WordField() = default;

  virtual std::string text() const = 0;
  virtual void setText(std::string_view text) = 0;
  // The text of item `index` (0 to itemCount() - 1) as the list holds it: the
  // dialog compares items itself, by the search's case rule.
  virtual std::string itemText(int index) const = 0;
  // -1 when there is no such item.
  virtual int deleteItem(int index) = 0;
  // The index of the new item, or kNoRoom when the list cannot take it.
  virtual int insertTop(std::string_view text) = 0;
  // The field then shows that item's text.
  virtual void setCurrentItem(int index) = 0;
  virtual int itemCount() const = 0;
  // Selects the whole text and brings the caret into view.
  virtual void selectAll() = 0;
  virtual void setFocus() = 0;

  static constexpr int kNoRoom = -2;
};

// The result list. The search appends to it as a ResultSink; every text it is
// given is a literal or an entry of the word list, so it may keep pointers.
class ResultList : public ResultSink {
 public:
  virtual void clear() = 0;
  virtual int count() const = 0;
  // The selected line, or -1.
  virtual int selectedIndex() const = 0;
  virtual std::string_view lineText(int index) const = 0;
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
