#include "ui/search_dlg.h"

#include <string_view>
#include <utility>

#include "match/near_search.h"
#include "match/search.h"

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
  controls_.results.clear();
  if (query.empty()) {
    for (const char* line : kGuidanceLines) controls_.results.appendLine(line);
  } else {
    AddToHistory(query);
    if (!searchNear(query))
      searchWords(words_, encoding_, &keys_, query.c_str(), controls_.results, notifier_);
    if (controls_.results.count() == 0) controls_.results.appendLine(kNothingFound);
  }
  controls_.word.selectAll();
  controls_.word.setFocus();
  controls_.go.setEnabled(true);
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
  nearSearch(near_, query.c_str(), kNearResults, controls_.results);
  return true;
}

void CSearchDlg::AddToHistory(const std::string& query) {
  // The search's own case rule, so that queries that find different lines
  // are kept apart, whatever rule the toolkit's list would apply.
  WordField& word = controls_.word;
  int index = 0;
  while (index < word.itemCount()) {
    if (!equalFoldingAZ(word.itemText(index), query))
      ++index;
    else if (word.deleteItem(index) < 0)
      break;
  }
  const int inserted = word.insertTop(query);
  word.setCurrentItem(0);
  if (inserted != WordField::kNoRoom && word.itemCount() > kHistorySize) {
    word.deleteItem(word.itemCount() - 1);
  }
}

void CSearchDlg::OnCopy() {
  const int index = controls_.results.selectedIndex();
  if (index < 0) return;
  // The whole first word, however long the line: only a blank ends it.
  const std::string_view line = controls_.results.lineText(index);
  controls_.clipboard.setText(line.substr(0, line.find(' ')));
}

void CSearchDlg::OnSelchangeResults() {
  if (controls_.results.selectedIndex() >= 0) controls_.copy.setEnabled(true);
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
