// The search dialog's window: Qt widgets laid out like the dialog template, with
// their events wired to the handlers of CSearchDlg.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <string>

#include "ui/posix_process_starter.h"
#include "ui/qt/qt_controls.h"
#include "ui/search_dlg.h"

namespace lexi {

class SearchWindow : public QDialog {
 public:
  // `keys` is the sound index built over `words`; both must outlive the window.
  // `appTitle` titles the framework-style length message.
  SearchWindow(const WordList& words, const SoundIndex& keys, const std::string& appTitle,
               QWidget* parent = nullptr);

  CSearchDlg& logic() { return dlg_; }

 private:
  void layOut();
  void wire();
  void onGo();

  QComboBox* word_;
  ResultView* list_;
  QPushButton* go_;
  QPushButton* copy_;
  QPushButton* about_;
  QPushButton* help_;
  QPushButton* exit_;
  ResultModel model_;
  LowerCaseValidator lowerCase_;

  QtWordField wordField_;
  QtResultList results_;
  QtButton goButton_;
  QtButton copyButton_;
  QtClipboard clipboard_;
  QtMessageDisplay messages_;
  QtAboutBox aboutBox_;
  PosixProcessStarter helpStarter_;
  CSearchDlg dlg_;
};

}  // namespace lexi
