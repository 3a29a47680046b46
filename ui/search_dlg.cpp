#include "ui/search_dlg.h"

#include <string_view>
#include <utility>

namespace lexi {

std::string tooManyCharsMessage(std::size_t maxChars) {
  std::string message = "Please enter no more than %1 characters.";
  message.replace(message.find("%1"), 2, std::to_string(maxChars));
  return message;
}

CSearchDlg::CSearchDlg(const SearchControls& controls, const WordList& words,
                       const SoundIndex& keys, TextEncoding encoding, ProcessStarter& helpStarter,
                       AboutBox& aboutBox, std::string appTitle,
                       const ClosestFirstMode* closestFirst)
    : controls_(controls),
      words_(words),
      keys_(keys),
      encoding_(encoding),
      helpStarter_(helpStarter),
      aboutBox_(aboutBox),
      appTitle_(std::move(appTitle)),
      notifier_(controls.messages) {
  if (closestFirst != nullptr) closestFirst_.emplace(*closestFirst);
}

void CSearchDlg::OnInitDialog() {
  controls_.word.setText(m_strWord);
  controls_.copy.setEnabled(false);
  if (closestFirst_) {
    closestFirst_->toggle.setChecked(
        closestFirst_->preferences.readFlag(kClosestFirstSetting, false));
  }
  controls_.word.setFocus();
}

void CSearchDlg::OnGo() {
  controls_.go.setEnabled(false);
  const std::string query = controls_.word.text();
  controls_.copy.setEnabled(false);
  // The list must not draw rows that are gone while the search runs (a message
  // it shows lets the list paint).
  lines_.clear();
  selected_ = -1;
  controls_.results.showRows(0);
  if (query.empty()) {
    lines_.assign(kGuidanceLines.begin(), kGuidanceLines.end());
  } else {
    AddToHistory(query);
    if (!searchNear(query)) searchWords(words_, encoding_, &keys_, query.c_str(), *this, notifier_);
    if (lines_.empty()) lines_.push_back(kNothingFound);
  }
  controls_.word.selectAll();
  controls_.word.setFocus();
  controls_.go.setEnabled(true);
  publish();
}

void CSearchDlg::publish() {
  if (controls_.results.showRows(rowCount())) return;
  // A list that silently showed fewer lines than were found would mislead.
  const std::size_t found = lines_.size();
  lines_.clear();
  notifier_.warning("The list cannot show the " + std::to_string(found) +
                    " lines found. Please narrow the search.");
}

bool CSearchDlg::searchNear(const std::string& query) {
  if (!closestFirst_ || !closestFirst_->toggle.isChecked() || isPattern(query.c_str())) {
    return false;
  }
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
  controls_.word.showHistory(history_);
  controls_.word.setText(history_.front());
}

void CSearchDlg::restoreHistory(std::vector<std::string> items) {
  if (items.size() > kHistorySize) items.resize(kHistorySize);
  history_ = std::move(items);
  controls_.word.showHistory(history_);
}

void CSearchDlg::OnCopy() {
  if (selected_ < 0) return;
  // The whole first word, however long the line: only a blank ends it.
  const std::string_view line = rowText(selected_);
  controls_.clipboard.setText(line.substr(0, line.find(' ')));
}

void CSearchDlg::OnSelchangeResults(int row) {
  selected_ = row >= 0 && row < rowCount() ? row : -1;
  if (selected_ >= 0) controls_.copy.setEnabled(true);
}

void CSearchDlg::OnDblclkResults() {
  OnCopy();
  controls_.word.selectAll();
  controls_.word.setFocus();
}

void CSearchDlg::OnAboutButton() {
  aboutBox_.run();
}

void CSearchDlg::OnHelpButton() {
  launchHelp(helpStarter_, controls_.messages);
}

void CSearchDlg::OnClosestFirst() {
  if (closestFirst_) {
    closestFirst_->preferences.writeFlag(kClosestFirstSetting, closestFirst_->toggle.isChecked());
  }
}

bool CSearchDlg::OnOK() {
  m_strWord = controls_.word.text();
  if (countChars(m_strWord, encoding_) > kMaxWordChars) {
    controls_.messages.show(tooManyCharsMessage(kMaxWordChars), appTitle_,
                            MessageIcon::kExclamation);
    controls_.word.selectAll();
    controls_.word.setFocus();
    return false;
  }
  return true;
}

}  // namespace lexi
