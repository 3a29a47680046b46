// CSearchDlg: the logic of the main search dialog, written against the window
// of controls.h so that every front end shares it.
//
// The dialog owns its state: the history (in the list's bytes, newest first,
// kHistorySize at most), the lines found, the selected line and the mode. The
// window only shows it: a front end draws each result row from rowText() and
// calls the handlers from its events:
// OnInitDialog when the dialog opens, OnGo for Go and Enter,
// OnSelchangeResults when the user selects a row, OnOK for Exit (the dialog
// closes only when it returns true), and so on. Esc and the close box need no
// handler: they close without the data exchange.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "match/near_search.h"
#include "match/search.h"
#include "match/sound_index.h"
#include "ui/controls.h"
#include "ui/help_launcher.h"
#include "ui/message_notifier.h"
#include "wordlist/text_encoding.h"
#include "wordlist/word_list.h"

namespace lexi {

// The "closest first" mode: while it is on, a query without wild cards lists
// the near search's lines best first (match/near_search.h). Off until the user
// turns it on; the choice is kept between runs under this name.
inline constexpr const char* kClosestFirstSetting = "ClosestFirst";

// What a find on an empty word field shows instead of results.
inline constexpr std::array<const char*, 8> kGuidanceLines = {
    "Please type a word above.",
    "Wild cards (* and ?) are useful.",
    "'?' substitutes for exactly one letter.",
    "'*' substitutes for any number of letters,",
    "including no letter.",
    "",
    "If no wild card is used, the search will be",
    "by matching sounds.",
};

inline constexpr const char* kNothingFound = "Nothing was found.";

// The most characters the word field may hold when the dialog closes with Exit,
// counted in the list's encoding: an accented letter of a UTF-8 list is one.
inline constexpr std::size_t kMaxWordChars = 1000;

// The number of queries the history keeps.
inline constexpr std::size_t kHistorySize = 20;

// "Please enter no more than <maxChars> characters."
std::string tooManyCharsMessage(std::size_t maxChars);

class CSearchDlg : private ResultSink {
 public:
  // `messages` shows the window's message boxes, `preferences` keeps the
  // mode, `helpStarter` starts the help viewer, and `appTitle` titles the
  // length message, as the dialog framework titles its own messages. `keys` is
  // the sound index built over `words`, whose lines are in `encoding`.
  // Everything passed in must outlive the dialog.
  CSearchDlg(SearchView& view, MessageDisplay& messages, Preferences& preferences,
             ProcessStarter& helpStarter, std::string appTitle, const WordList& words,
             const SoundIndex& keys, TextEncoding encoding);

  void OnInitDialog();
  void OnGo();
  // Puts `query` at the top of the history in place of the items equal to it
  // under the search's A-Z fold, keeps kHistorySize items, and shows them.
  void AddToHistory(const std::string& query);
  void OnCopy();
  // The user selected row `row` of the result list, or none (-1).
  void OnSelchangeResults(int row);
  void OnDblclkResults();
  void OnAboutButton();
  void OnHelpButton();
  // The user flipped the "closest first" toggle: the choice is kept.
  void OnClosestFirst();
  // Saves the word field into m_strWord. False, after telling the user, when it
  // is too long: the dialog then stays open.
  bool OnOK();

  // The history, newest first.
  const std::vector<std::string>& history() const { return history_; }
  // Takes `items` (newest first, in the list's bytes) as the history, the
  // newest kHistorySize of them, and shows them: a front end that makes the
  // dialog anew over another list keeps what the user asked before.
  void restoreHistory(std::vector<std::string> items);

  // The rows the result list shows, and the text of row `row` (0 to
  // rowCount() - 1): a literal or an entry of the word list, valid as long as
  // the list. Asking costs nothing: no text is copied.
  int rowCount() const { return static_cast<int>(lines_.size()); }
  std::string_view rowText(int row) const { return lines_[static_cast<std::size_t>(row)]; }
  // The selected row, or -1.
  int selectedRow() const { return selected_; }

  std::string m_strWord;

 private:
  void appendLine(const char* text) override { lines_.push_back(text); }
  // Lists the near search's lines when the mode is on and `query` is a word;
  // false when the exact search is to run instead.
  bool searchNear(const std::string& query);
  // Hands the lines found to the result list; a list that cannot show them all
  // shows none, and says so.
  void publish();

  SearchView& view_;
  MessageDisplay& messages_;
  Preferences& preferences_;
  ProcessStarter& helpStarter_;
  std::string appTitle_;
  const WordList& words_;
  const SoundIndex& keys_;
  TextEncoding encoding_;
  MessageNotifier notifier_;
  NearIndex near_;
  std::vector<std::string> history_;
  std::vector<const char*> lines_;
  int selected_ = -1;
};

}  // namespace lexi
