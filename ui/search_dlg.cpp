#include "ui/search_dlg.h"

#include <string_view>
#include <utility>

namespace lexi {

std::string tooManyCharsMessage(std::size_t maxChars) {
  std::string message = "Please enter no more than %1 characters.";
  message.replace(message.find("%1"), 2, std::to_string(maxChars));
  return message;
}

CSearchDlg::CSearchDlg(SearchView& view, MessageDisplay& messages, Preferences& preferences,
                       ProcessStarter& helpStarter, std::string appTitle, const WordList& words,
                       const SoundIndex& keys, TextEncoding encoding)
    : view_(view),
      messages_(messages),
      preferences_(preferences),
      helpStarter_(helpStarter),
      appTitle_(std::move(appTitle)),
      words_(words),
      keys_(keys),
      encoding_(encoding),
      notifier_(messages) {}

void CSearchDlg::OnInitDialog() {
  view_.setWordText(m_strWord);
  view_.enable(SearchView::Command::kCopy, false);
  view_.setClosestFirst(preferences_.readFlag(kClosestFirstSetting, false));
  view_.focusWord();
}

void CSearchDlg::OnGo() {
  view_.enable(SearchView::Command::kGo, false);
  const std::string query = view_.wordText();
  view_.enable(SearchView::Command::kCopy, false);
  // The list must not draw rows that are gone while the search runs (a message
  // it shows lets the list paint).
  lines_.clear();
  selected_ = -1;
  view_.showRows(0);
  if (query.empty()) {
    lines_.assign(kGuidanceLines.begin(), kGuidanceLines.end());
  } else {
    AddToHistory(query);
    if (!searchNear(query)) searchWords(words_, encoding_, &keys_, query.c_str(), *this, notifier_);
    if (lines_.empty()) lines_.push_back(kNothingFound);
  }
  view_.selectWord();
  view_.focusWord();
  view_.enable(SearchView::Command::kGo, true);
  publish();
}

void CSearchDlg::publish() {
  if (view_.showRows(rowCount())) return;
  // A list that silently showed fewer lines than were found would mislead.
  const std::size_t found = lines_.size();
  lines_.clear();
  notifier_.warning("The list cannot show the " + std::to_string(found) +
                    " lines found. Please narrow the search.");
}

bool CSearchDlg::searchNear(const std::string& query) {
  if (!view_.closestFirst() || isPattern(query.c_str())) return false;
  // Built on the first near query, so that a user who never asks for one pays
  // nothing at start-up. Without its memory the exact sound search still works.
  if (!near_.built()) {
    // Only the index keeps what it needs of how common the words are.
    Commonness common;
    common.load(Commonness::kFileName);
    if (!near_.build(words_, keys_, encoding_, notifier_, &common)) return false;
  }
  nearSearch(near_, query.c_str(), kNearResults, *this);
  return true;
}

void CSearchDlg::AddToHistory(const std::string& query) {
  // The search's own case rule, so that queries that find different lines
  // are kept apart, whatever rule the toolkit's list would apply.
  std::erase_if(history_, [&](const std::string& item) { return equalFoldingAZ(item, query); });
  history_.insert(history_.begin(), query);
  if (history_.size() > kHistorySize) history_.resize(kHistorySize);
  view_.showHistory(history_);
  view_.setWordText(history_.front());
}

void CSearchDlg::restoreHistory(std::vector<std::string> items) {
  if (items.size() > kHistorySize) items.resize(kHistorySize);
  history_ = std::move(items);
  view_.showHistory(history_);
}

void CSearchDlg::OnCopy() {
  if (selected_ < 0) return;
  // The whole first word, however long the line: only a blank ends it.
  const std::string_view line = rowText(selected_);
  view_.copyText(line.substr(0, line.find(' ')));
}

void CSearchDlg::OnSelchangeResults(int row) {
  selected_ = row >= 0 && row < rowCount() ? row : -1;
  if (selected_ >= 0) view_.enable(SearchView::Command::kCopy, true);
}

void CSearchDlg::OnDblclkResults() {
  OnCopy();
  view_.selectWord();
  view_.focusWord();
}

void CSearchDlg::OnAboutButton() {
  view_.runAbout();
}

void CSearchDlg::OnHelpButton() {
  launchHelp(helpStarter_, messages_);
}

void CSearchDlg::OnClosestFirst() {
  preferences_.writeFlag(kClosestFirstSetting, view_.closestFirst());
}

bool CSearchDlg::OnOK() {
  m_strWord = view_.wordText();
  if (countChars(m_strWord, encoding_) > kMaxWordChars) {
    messages_.show(tooManyCharsMessage(kMaxWordChars), appTitle_, MessageIcon::kExclamation);
    view_.selectWord();
    view_.focusWord();
    return false;
  }
  return true;
}

}  // namespace lexi
