// The web page's program: what page.js calls when the page is ready, when the
// user acts, and when a list arrives. The page never ends, so there is no Exit
// and no 1000-character check on leaving; a list the user opens replaces the
// one in use only once it has been made.
#include <emscripten/emscripten.h>
#include <emscripten/heap.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/loaded_list.h"
#include "ui/message_notifier.h"
#include "ui/search_dlg.h"
#include "ui/web/web_controls.h"
#include "wordlist/text_conversion.h"
#include "wordlist/text_encoding.h"

namespace lexi {
namespace {

constexpr const char* kAppTitle = "Lexiquarium";
// Without a list of its own the page still takes one from the user.
constexpr std::string_view kNoListYet = "\n\nOpen a word list of your own with \"Open list\".";

class Page {
 public:
  // Makes `path` the list in use, or tells why not and keeps the old one.
  // `name` is the file's name as the user knows it.
  void open(const char* path, const std::string& name, bool usersOwn) {
    auto fresh = std::make_unique<LoadedList>();
    GoingOnNotifier notifier(notifier_, list_ ? kListKept : kNoListYet);
    if (!loadList(path, *fresh, notifier)) return;
    if (fresh->words.count() == 0 && list_) {
      notifier_.error(emptyListMessage(name));
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
    view_.showRows(0);
    list_ = std::move(fresh);
    codec_ = freshCodec;
    dialog_.emplace(view_, view_, view_, view_, kAppTitle, list_->words, list_->keys,
                    list_->encoding);
    dialog_->restoreHistory(std::move(history));
    if (usersOwn) {
      view_.status("'" + name + "' is in use: " + std::to_string(list_->words.count()) + " lines.");
      view_.enable(SearchView::Command::kCopy, false);
      view_.selectWord();
      view_.focusWord();
    } else {
      dialog_->OnInitDialog();
    }
  }

  // The browser could not read the user's file at all.
  void cannotRead(const std::string& name, int error) {
    GoingOnNotifier(notifier_, list_ ? kListKept : kNoListYet)
        .error(cannotReadMessage(name, error));
  }

  // `typed` is the field's text as the user left it.
  void go(std::u16string_view typed) {
    if (!dialog_) return;
    view_.typed(typed);
    dialog_->OnGo();
  }
  void select(int index) {
    if (dialog_) dialog_->OnSelchangeResults(index);
  }
  int selected() const { return dialog_ ? dialog_->selectedRow() : -1; }
  void copy() {
    if (dialog_) dialog_->OnCopy();
  }
  void doubleClick() {
    if (dialog_) dialog_->OnDblclkResults();
  }
  // About needs no list: it shows even when the bundled one could not be had.
  void about() {
    if (dialog_)
      dialog_->OnAboutButton();
    else
      view_.runAbout();
  }
  void help() {
    if (dialog_) dialog_->OnHelpButton();
  }
  void closestFirst() {
    if (dialog_) dialog_->OnClosestFirst();
  }

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
  // Written over the last shown text: a drawn row allocates nothing once the
  // longest has been drawn.
  std::u16string_view show(std::string_view bytes) {
    if (shown_.size() < bytes.size()) shown_.resize(bytes.size());
    return {shown_.data(), codec_.toUtf16(bytes, shown_.data())};
  }

  std::unique_ptr<LoadedList> list_;
  ListCodec codec_{TextEncoding::kSingleByte};
  PageView view_{codec_};
  MessageNotifier notifier_{view_};
  std::optional<CSearchDlg> dialog_;
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

// `path` is the file in the page's memory file system, `name` what the user
// calls it (both UTF-8); `usersOwn` when the user chose it.
EMSCRIPTEN_KEEPALIVE void lexi_open(const char* path, const char* name, bool usersOwn) {
  lexi::page().open(path, name, usersOwn);
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
  lexi::page().copy();
}
EMSCRIPTEN_KEEPALIVE void lexi_double_click() {
  lexi::page().doubleClick();
}
EMSCRIPTEN_KEEPALIVE void lexi_about() {
  lexi::page().about();
}
EMSCRIPTEN_KEEPALIVE void lexi_help() {
  lexi::page().help();
}
EMSCRIPTEN_KEEPALIVE void lexi_closest_first() {
  lexi::page().closestFirst();
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
