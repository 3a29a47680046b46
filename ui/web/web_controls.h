// The page's elements, its storage and its tabs behind the dialog's interfaces.
//
// The page's script (site/page.js) owns the elements and hands each event to
// the exported functions of page_main.cpp; PageView calls back into it,
// through Module.page, to change what the page shows. Text crosses as UTF-16
// and becomes the list's bytes here (ListCodec), so the script never sees the
// list's encoding. The dialog keeps the history, the lines and the selection:
// the script asks for the texts it draws. Unlike a desktop message box, a
// message is shown in the page and show() returns at once: the page never
// blocks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/help_launcher.h"
#include "wordlist/text_conversion.h"

namespace lexi {

class PageView : public SearchView,
                 public MessageDisplay,
                 public Preferences,
                 public ProcessStarter {
 public:
  // `codec` is the list in use's, for every text the page shows or gives.
  explicit PageView(const ListCodec& codec) : codec_(codec) {}

  // The field's text as the page had it when the user acted: it is handed over
  // with the event that reads it, since the page cannot be asked for it
  // without memory that might not be had.
  void typed(std::u16string_view text) { typed_ = text; }
  // Tells the page, in its polite status line, something that needs no answer.
  void status(const std::string& text);

  std::string wordText() const override { return codec_.toList(typed_).bytes; }
  void setWordText(std::string_view text) override;
  // The items are drawn, asked for one by one, when the drop-down opens.
  void showHistory(const std::vector<std::string>& items) override;
  void selectWord() override;
  void focusWord() override;
  // The page draws the rows in view, asking for their texts.
  bool showRows(int count) override;
  void enable(Command command, bool enabled) override;
  // Through the Clipboard API; the browser answers later, and a refusal is
  // told in the page.
  void copyText(std::string_view text) override;
  bool closestFirst() const override;
  void setClosestFirst(bool checked) override;
  // The page's own About dialog element, modal over the page.
  void runAbout() override;

  void show(const std::string& text, const std::string& title, MessageIcon icon) override;

  // The browser's local storage for this site.
  bool readFlag(std::string_view name, bool fallback) const override;
  void writeFlag(std::string_view name, bool value) override;

  // Opens the help page, `argument`, in a new tab; the browser may refuse one
  // that no click asked for.
  int start(const char* program, const char* argument) override;

 private:
  const ListCodec& codec_;
  std::u16string typed_;
};

}  // namespace lexi
