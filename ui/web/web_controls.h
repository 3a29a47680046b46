// The dialog's control interfaces over the page's elements.
//
// The page's script (site/page.js) owns the elements and hands each event to
// the exported functions of page_main.cpp; these classes call back into it,
// through Module.page, to change what the page shows. Text crosses as UTF-16
// and becomes the list's bytes here (ListCodec), so the script never sees the
// list's encoding. The dialog keeps the history, the lines and the selection:
// the script asks for the texts it draws. Unlike a desktop message box, a message is shown in the
// page and show() returns at once: the page never blocks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/help_launcher.h"
#include "wordlist/text_conversion.h"

namespace lexi {

// The word field and its history drop-down. What the field holds is handed
// over with the event that reads it (typed()), since the page cannot be asked
// for it without memory that might not be had.
class WebWordField : public WordField {
 public:
  explicit WebWordField(const ListCodec& codec) : codec_(codec) {}

  std::string text() const override { return codec_.toList(typed_).bytes; }
  void setText(std::string_view text) override;
  void showHistory(const std::vector<std::string>& items) override;
  void selectAll() override;
  void setFocus() override;

  // The field's text as the page had it when the user acted.
  void typed(std::u16string_view text) { typed_ = text; }

 private:
  const ListCodec& codec_;
  std::u16string typed_;
};

// The result rows: the page draws those in view, asking for their texts.
class WebResultList : public ResultList {
 public:
  bool showRows(int count) override;
};

// A button of the page, by its element's id.
class WebButton : public Button {
 public:
  explicit WebButton(const char* id) : id_(id) {}
  void setEnabled(bool enabled) override;

 private:
  const char* id_;
};

// The Clipboard API. The browser answers later; a refusal is told in the page.
class WebClipboard : public Clipboard {
 public:
  explicit WebClipboard(const ListCodec& codec) : codec_(codec) {}
  void setText(std::string_view text) override;

 private:
  const ListCodec& codec_;
};

class WebMessageDisplay : public MessageDisplay {
 public:
  void show(const std::string& text, const std::string& title, MessageIcon icon) override;
};

// A check box of the page, by its element's id.
class WebToggle : public Toggle {
 public:
  explicit WebToggle(const char* id) : id_(id) {}
  bool isChecked() const override;
  void setChecked(bool checked) override;

 private:
  const char* id_;
};

// The browser's local storage for this site.
class WebPreferences : public Preferences {
 public:
  bool readFlag(std::string_view name, bool fallback) const override;
  void writeFlag(std::string_view name, bool value) override;
};

// The page's own About dialog element, shown modally over the page.
class WebAboutBox : public AboutBox {
 public:
  void run() override;
};

// Opens the help page in a new tab; the browser may refuse one that no click
// asked for.
class WebHelpStarter : public ProcessStarter {
 public:
  int start(const char* program, const char* argument) override;
};

// Sends plain UTF-8 text (labels, texts of the program's own) to the page's
// label of element `id`.
void setPageLabel(const char* id, const char* text);

// Tells the page, in its polite status line, something that needs no answer.
void setPageStatus(const std::string& text);

}  // namespace lexi
