// The dialog's control interfaces over the page's elements.
//
// The page's script (site/page.js) owns the elements and hands each event to
// the exported functions of page_main.cpp; these classes call back into it,
// through Module.page, to change what the page shows. Text crosses as UTF-16
// and becomes the list's bytes here (PageText), so the script never sees the
// list's encoding. Unlike a desktop message box, a message is shown in the page
// and show() returns at once: the page never blocks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/help_launcher.h"
#include "ui/web/page_text.h"

namespace lexi {

// The word field and its history drop-down. The history is kept as typed, in
// UTF-16, so that it survives a change to a list of another encoding.
class WebWordField : public WordField {
 public:
  explicit WebWordField(const PageText& text) : text_(text) {}

  std::string text() const override;
  void setText(std::string_view text) override;
  std::string itemText(int index) const override;
  int deleteItem(int index) override;
  int insertTop(std::string_view text) override;
  void setCurrentItem(int index) override;
  int itemCount() const override { return static_cast<int>(items_.size()); }
  void selectAll() override;
  void setFocus() override;

 private:
  void showItems() const;

  const PageText& text_;
  std::vector<std::u16string> items_;
};

// The result lines as pointers into the word list; the page asks for the text
// of the rows it draws, so a million lines cost the page nothing until seen.
class WebResultList : public ResultList {
 public:
  void appendLine(const char* text) override { lines_.push_back(text); }
  void clear() override;
  int count() const override { return static_cast<int>(lines_.size()); }
  int selectedIndex() const override { return selected_; }
  std::string_view lineText(int index) const override {
    return lines_[static_cast<std::size_t>(index)];
  }

  // The page's selection, or -1.
  void select(int index) { selected_ = index >= 0 && index < count() ? index : -1; }
  // Tells the page the lines changed, so that it draws them anew.
  void publish() const;

 private:
  std::vector<const char*> lines_;
  int selected_ = -1;
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
  explicit WebClipboard(const PageText& text) : text_(text) {}
  void setText(std::string_view text) override;

 private:
  const PageText& text_;
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
