// The web page's program: what page.js calls when the page is ready, when the
// user acts, and when a list arrives, and the page's elements, storage and tabs
// behind the dialog's interfaces. The page never ends, so there is no Exit and
// no 1000-character check on leaving; a list the user opens replaces the one
// in use only once it has been made.
//
// The script (site/page.js) owns the elements; the page calls back into it,
// through Module.page, to change what it shows. Text crosses as UTF-16 and
// becomes the list's bytes here (ListCodec), so the script never sees the
// list's encoding. The dialog keeps the history, the lines and the selection:
// the script asks for the texts it draws. Unlike a desktop message box, a
// message is shown in the page and show() returns at once: the page never
// blocks.
#include <emscripten/emscripten.h>
#include <emscripten/heap.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "match/line_test.h"
#include "match/loaded_list.h"
#include "ui/controls.h"
#include "ui/help_launcher.h"
#include "ui/message_notifier.h"
#include "ui/search_dlg.h"
#include "wordlist/text_conversion.h"
#include "wordlist/text_encoding.h"

// Each call below is one step of the page's script, which keeps its elements
// and its helpers under Module.page. Text arrives as UTF-16 code units
// (pointer, count) or, for the program's own texts, as NUL-ended UTF-8.

EM_JS(void, js_set_word, (const char16_t* text, int length),
      { Module.page.setWord(Module.page.text16(text, length)); });
EM_JS(void, js_history_changed, (int count), { Module.page.historyChanged(count); });
EM_JS(void, js_select_word, (), { Module.page.selectWord(); });
EM_JS(void, js_focus_word, (), { Module.page.focusWord(); });
EM_JS(void, js_results_changed, (int count), { Module.page.resultsChanged(count); });
EM_JS(void, js_enable, (const char* id, bool enabled),
      { Module.page.enable(UTF8ToString(id), enabled); });
EM_JS(void, js_copy, (const char16_t* text, int length),
      { Module.page.copy(Module.page.text16(text, length)); });
EM_JS(void, js_message, (const char* text, const char* title, bool error),
      { Module.page.message(UTF8ToString(text), UTF8ToString(title), error); });
EM_JS(bool, js_is_checked, (const char* id), { return Module.page.isChecked(UTF8ToString(id)); });
EM_JS(void, js_set_checked, (const char* id, bool checked),
      { Module.page.setChecked(UTF8ToString(id), checked); });
EM_JS(int, js_read_flag, (const char* name), { return Module.page.readFlag(UTF8ToString(name)); });
EM_JS(void, js_write_flag, (const char* name, bool value),
      { Module.page.writeFlag(UTF8ToString(name), value); });
EM_JS(void, js_about, (), { Module.page.about(); });
EM_JS(bool, js_open_tab, (const char* address),
      { return Module.page.openTab(UTF8ToString(address)); });
EM_JS(void, js_status, (const char* text), { Module.page.status(UTF8ToString(text)); });
EM_JS(void, js_list_in_use, (const char* text), { Module.page.listInUse(UTF8ToString(text)); });

namespace lexi {
namespace {

constexpr const char* kAppTitle = "Lexiquarium";
// How a failed load ends: the page goes on with the list it had, or without a
// list of its own still takes one from the user.
constexpr std::string_view kListKept = "\n\nThe word list in use is kept.";
constexpr std::string_view kNoListYet = "\n\nOpen a word list of your own with \"Open list\".";

void sendText(void (*send)(const char16_t*, int), const std::u16string& text) {
  send(text.data(), static_cast<int>(text.size()));
}

class Page : public SearchView, public MessageDisplay, public Preferences, public ProcessStarter {
 public:
  // Starts making the file `name`, the user's own or not, the list in use;
  // its `size` bytes, which the script has copied to `text` (a block from
  // lexi_reserve), are the list's from then on. Tells why not and keeps the
  // old list when the file is no list. True when steps remain (see step()).
  bool open(const std::string& name, char* text, std::size_t size, bool usersOwn) {
    loading_.reset();
    if (!looksLikeText({text, std::min(size, kTextSniffSize)})) {
      std::free(text);
      // Its bytes would become lines of garbage in place of the list in use.
      goingOn().error("Error: The file '" + name + "' is not a text file.");
      return false;
    }
    loading_.emplace(name, usersOwn);
    loading_->steps.start(text, size);
    return true;
  }

  // Goes on with the list open() started, by one step of the load; true while
  // steps remain. The list in use is replaced by the last step, once the new
  // one is whole.
  bool step() {
    if (!loading_) return false;
    GoingOnNotifier notifier = goingOn();
    switch (loading_->steps.step(*loading_->list, notifier)) {
      case SteppedLoad::Progress::kMore:
        return true;
      case SteppedLoad::Progress::kFailed:
        loading_.reset();
        return false;
      case SteppedLoad::Progress::kDone:
        break;
    }
    use();
    return false;
  }

  // The browser could not read the user's file at all.
  void cannotRead(const std::string& name, int error) {
    goingOn().error(cannotReadMessage(name, error));
  }

  // `typed` is the field's text as the user left it: it comes with the event
  // that reads it, since the page cannot be asked for it without memory that
  // might not be had.
  void go(std::u16string_view typed) {
    if (!dialog_) return;
    typed_ = typed;
    dialog_->OnGo();
    js_status(foundLine().c_str());
  }
  // Runs `handler` of the dialog, once there is one.
  void handle(void (CSearchDlg::*handler)()) {
    if (dialog_) ((*dialog_).*handler)();
  }
  void select(int index) {
    if (dialog_) dialog_->OnSelchangeResults(index);
  }
  int selected() const { return dialog_ ? dialog_->selectedRow() : -1; }
  // About and Help need no list: they show even when the bundled one could
  // not be had.
  void about() { dialog_ ? dialog_->OnAboutButton() : runAbout(); }
  void help() { dialog_ ? dialog_->OnHelpButton() : launchHelp(*this, *this); }

  // The text of row `index` of the results, or of item `index` of the
  // history, as the page shows it, kept until the next call; empty when there
  // is no such row or item.
  std::u16string_view line(int index) {
    const bool there = dialog_ && index >= 0 && index < dialog_->rowCount();
    return show(there ? dialog_->rowText(index) : std::string_view());
  }
  std::u16string_view historyItem(int index) {
    const bool there = dialog_ && index >= 0 && index < static_cast<int>(dialog_->history().size());
    return show(there ? std::string_view(dialog_->history()[static_cast<std::size_t>(index)])
                      : std::string_view());
  }

 private:
  // What a failed load says next: the page goes on with the list it has, or
  // still takes one from the user.
  GoingOnNotifier goingOn() { return {notifier_, list_ ? kListKept : kNoListYet}; }

  // Makes the list just loaded, whole, the list in use, and the dialog anew
  // over it.
  void use() {
    std::unique_ptr<LoadedList> fresh = std::move(loading_->list);
    const std::string name = std::move(loading_->name);
    const bool usersOwn = loading_->usersOwn;
    loading_.reset();
    if (fresh->words.count() == 0 && list_) {
      // A list of no lines would find nothing, so it replaces no list.
      goingOn().error("Error: The file '" + name + "' holds no lines.");
      return;
    }
    // The dialog's lines point into the old list: it goes first, its history
    // carried over into the new list's encoding.
    std::vector<std::string> history;
    const ListCodec freshCodec(fresh->encoding);
    if (dialog_) {
      for (const std::string& item : dialog_->history()) {
        history.push_back(freshCodec.toList(codec_.toUtf16(item)).bytes);
      }
    }
    dialog_.reset();
    showRows(0);
    list_ = std::move(fresh);
    codec_ = freshCodec;
    dialog_.emplace(*this, *this, *this, *this, kAppTitle, list_->words, list_->keys,
                    list_->encoding);
    dialog_->restoreHistory(std::move(history));
    if (usersOwn) {
      js_list_in_use(("'" + name + "' is in use: " + countOf(list_->words.count()) + ".").c_str());
      enable(Command::kCopy, false);
      selectWord();
      focusWord();
    } else {
      dialog_->OnInitDialog();
    }
  }

  // What the search found and which way it searched, for the eye and for a
  // screen reader alike; nothing after a search of an empty field, whose rows
  // tell what to do.
  std::string foundLine() const {
    if (typed_.empty()) return "";
    // A search of a word puts it on top of the history, as the list holds it.
    const char* const query = dialog_->history().front().c_str();
    const auto rows = static_cast<std::size_t>(dialog_->rowCount());
    // The dialog's own literal, not a line of the list that reads the same.
    if (rows == 0 || (rows == 1 && dialog_->rowText(0).data() == kNothingFound)) {
      return kNothingFound;
    }
    const bool one = rows == 1;
    const char* way = isPattern(query) ? (one ? " matches " : " match ")
                      : closestFirst() ? (one ? " comes closest to " : " come closest to ")
                                       : (one ? " sounds like " : " sound like ");
    return countOf(rows) + way + "'" + utf8_.toList(typed_).bytes + "'.";
  }

  // "1 line", "2 lines".
  static std::string countOf(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " line" : " lines");
  }

  std::string wordText() const override { return codec_.toList(typed_).bytes; }
  void setWordText(std::string_view text) override { sendText(js_set_word, codec_.toUtf16(text)); }
  // The items are drawn, asked for one by one, when the drop-down opens.
  void showHistory(const std::vector<std::string>& items) override {
    js_history_changed(static_cast<int>(items.size()));
  }
  void selectWord() override { js_select_word(); }
  void focusWord() override { js_focus_word(); }
  // The script draws the rows in view, asking for their texts.
  bool showRows(int count) override {
    js_results_changed(count);
    return true;
  }
  void enable(Command command, bool on) override {
    js_enable(command == Command::kGo ? "go" : "copy", on);
  }
  // The browser answers later; a refusal is told in the page.
  void copyText(std::string_view text) override { sendText(js_copy, codec_.toUtf16(text)); }
  bool closestFirst() const override { return js_is_checked("closest"); }
  void setClosestFirst(bool checked) override { js_set_checked("closest", checked); }
  void runAbout() override { js_about(); }

  void show(const std::string& text, const std::string& title, MessageIcon icon) override {
    js_message(text.c_str(), title.c_str(), icon == MessageIcon::kError);
  }

  // The browser's local storage for this site.
  bool readFlag(std::string_view name, bool fallback) const override {
    const int stored = js_read_flag(std::string(name).c_str());
    return stored < 0 ? fallback : stored != 0;
  }
  void writeFlag(std::string_view name, bool value) override {
    js_write_flag(std::string(name).c_str(), value);
  }

  // Opens the help page in a new tab; the browser may refuse one that no
  // click asked for.
  int start(const char* /*program*/, const char* address) override {
    return js_open_tab(address) ? 0 : EPERM;
  }

  // Written over the last shown text: a drawn row allocates nothing once the
  // longest has been drawn.
  std::u16string_view show(std::string_view bytes) {
    if (shown_.size() < bytes.size()) shown_.resize(bytes.size());
    return {shown_.data(), codec_.toUtf16(bytes, shown_.data())};
  }

  std::unique_ptr<LoadedList> list_;
  // The list being made, until it is whole, and what the user calls it.
  struct Loading {
    Loading(std::string name, bool usersOwn) : name(std::move(name)), usersOwn(usersOwn) {}
    std::unique_ptr<LoadedList> list = std::make_unique<LoadedList>();
    SteppedLoad steps;
    std::string name;
    bool usersOwn;
  };
  std::optional<Loading> loading_;
  ListCodec codec_{TextEncoding::kSingleByte};
  // The page's own texts are UTF-8, whatever the list's encoding.
  const ListCodec utf8_{TextEncoding::kUtf8};
  MessageNotifier notifier_{*this};
  std::optional<CSearchDlg> dialog_;
  std::u16string typed_;
  std::u16string shown_;
};

Page& page() {
  static Page thePage;
  return thePage;
}

}  // namespace
}  // namespace lexi

extern "C" {

EMSCRIPTEN_KEEPALIVE void lexi_start() {
  lexi::page();
}

// A block for a list of `size` bytes, to be copied in by the script and then
// given to lexi_open; 0 when the module has no memory left for it.
EMSCRIPTEN_KEEPALIVE char* lexi_reserve(std::size_t size) {
  return static_cast<char*>(std::malloc(size + 1));
}

// `name` is what the user calls the file (UTF-8), `text` and `size` its bytes
// in a block from lexi_reserve, which the module then owns; `usersOwn` when
// the user chose it. Returns whether steps remain: the script calls
// lexi_open_step until it returns false, letting the page answer between
// calls.
EMSCRIPTEN_KEEPALIVE bool lexi_open(const char* name, char* text, std::size_t size, bool usersOwn) {
  return lexi::page().open(name, text, size, usersOwn);
}
EMSCRIPTEN_KEEPALIVE bool lexi_open_step() {
  return lexi::page().step();
}

// The browser failed to read the user's file: `outOfMemory` when it was too large.
EMSCRIPTEN_KEEPALIVE void lexi_cannot_read(const char* name, bool outOfMemory) {
  lexi::page().cannotRead(name, outOfMemory ? ENOMEM : EIO);
}

// `typed`, `length` code units, is the word field's text.
EMSCRIPTEN_KEEPALIVE void lexi_go(const char16_t* typed, int length) {
  lexi::page().go({typed, static_cast<std::size_t>(length)});
}
EMSCRIPTEN_KEEPALIVE void lexi_select(int index) {
  lexi::page().select(index);
}
// The selected row, or -1.
EMSCRIPTEN_KEEPALIVE int lexi_selected() {
  return lexi::page().selected();
}
EMSCRIPTEN_KEEPALIVE void lexi_copy() {
  lexi::page().handle(&lexi::CSearchDlg::OnCopy);
}
EMSCRIPTEN_KEEPALIVE void lexi_double_click() {
  lexi::page().handle(&lexi::CSearchDlg::OnDblclkResults);
}
EMSCRIPTEN_KEEPALIVE void lexi_about() {
  lexi::page().about();
}
EMSCRIPTEN_KEEPALIVE void lexi_help() {
  lexi::page().help();
}
EMSCRIPTEN_KEEPALIVE void lexi_closest_first() {
  lexi::page().handle(&lexi::CSearchDlg::OnClosestFirst);
}

// The UTF-16 text of a row of the results, or of an item of the history; its
// length in code units goes to `length`.
EMSCRIPTEN_KEEPALIVE const char16_t* lexi_line(int index, int* length) {
  const std::u16string_view text = lexi::page().line(index);
  *length = static_cast<int>(text.size());
  return text.data();
}
EMSCRIPTEN_KEEPALIVE const char16_t* lexi_history_item(int index, int* length) {
  const std::u16string_view text = lexi::page().historyItem(index);
  *length = static_cast<int>(text.size());
  return text.data();
}

// The most memory the module may grow to, in bytes (the link's MAXIMUM_MEMORY).
EMSCRIPTEN_KEEPALIVE double lexi_memory_limit() {
  return static_cast<double>(emscripten_get_heap_max());
}

// Folds A to Z in place, as the search folds them, so that the field shows
// what is searched.
EMSCRIPTEN_KEEPALIVE void lexi_fold(char16_t* text, int length) {
  lexi::foldAZ(text, static_cast<std::size_t>(length));
}

}  // extern "C"
