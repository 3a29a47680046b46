// The search dialog's window: Qt widgets laid out like the dialog template, with
// their events wired to the handlers of CSearchDlg. It may be made larger, the
// result list taking the room, and it shows the selected line whole below the
// list, since most lines hold a meaning too long for the list's width. The
// "closest first" check box below the list is kept in the user's settings.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <string_view>
#include <vector>

#include "ui/posix/posix_process_starter.h"
#include "ui/qt/qt_controls.h"
#include "ui/search_dlg.h"

namespace lexi {

class SearchWindow : public QDialog, private SearchView {
 public:
  // `keys` is the sound index built over `words`; both must outlive the window.
  // `encoding` is the list's (detectEncoding); `appTitle` titles the
  // framework-style length message.
  SearchWindow(const WordList& words, const SoundIndex& keys, TextEncoding encoding,
               const std::string& appTitle, QWidget* parent = nullptr);

  CSearchDlg& logic() { return dlg_; }

 private:
  std::string wordText() const override;
  void setWordText(std::string_view text) override;
  void showHistory(const std::vector<std::string>& items) override;
  void selectWord() override { word_->lineEdit()->selectAll(); }
  void focusWord() override { word_->setFocus(Qt::OtherFocusReason); }
  bool showRows(int count) override;
  void enable(Command command, bool on) override {
    (command == Command::kGo ? go_ : copy_)->setEnabled(on);
  }
  void copyText(std::string_view text) override;
  bool closestFirst() const override { return closestFirstBox_->isChecked(); }
  void setClosestFirst(bool checked) override { closestFirstBox_->setChecked(checked); }
  void runAbout() override;

  void layOut();
  void wire();
  void showSelectedLine();

  ListCodec codec_;  // the word list's encoding, for every control that shows its text
  QComboBox* word_;
  ResultView* list_;
  QLabel* selectedLine_;
  QPushButton* go_;
  QPushButton* copy_;
  QPushButton* about_;
  QPushButton* help_;
  QPushButton* exit_;
  QCheckBox* closestFirstBox_;
  ResultModel model_{codec_, dlg_};
  LowerCaseValidator lowerCase_;

  QtMessageDisplay messages_;
  PosixProcessStarter helpStarter_;
  QtPreferences preferences_;
  CSearchDlg dlg_;
};

}  // namespace lexi
