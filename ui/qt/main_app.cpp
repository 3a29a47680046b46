#include "ui/qt/main_app.h"

#include <QApplication>

#include "ui/program.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/search_window.h"

namespace lexi {

int CMainApp::run(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(programIcon());

  QtMessageDisplay messages;
  return runProgram(messages, [](const WordList& words, const SoundIndex& keys) {
    // The application title, as dialog frameworks derive it: the program
    // file's name without its extension.
    SearchWindow dialog(words, keys, QCoreApplication::applicationName().toStdString());
    dialog.exec();
  });
}

}  // namespace lexi
