#include "ui/qt/main_app.h"

#include <QApplication>

#include "ui/message_notifier.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/search_window.h"

namespace lexi {

WordList theWordList;
SoundIndex theSoundIndex;

int CMainApp::run(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(programIcon());

  QtMessageDisplay messages;
  MessageNotifier notifier(messages);
  if (!theWordList.load(WordList::kFileName, notifier)) return 1;
  if (!theSoundIndex.build(theWordList, notifier)) {
    theWordList.release();
    return 1;
  }

  {
    // The application title, as dialog frameworks derive it: the program
    // file's name without its extension.
    SearchWindow dialog(theWordList, theSoundIndex,
                        QCoreApplication::applicationName().toStdString());
    dialog.exec();
  }
  theSoundIndex.release();
  theWordList.release();
  return 0;
}

}  // namespace lexi
