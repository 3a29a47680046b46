#include "ui/qt/main_app.h"

#include <QApplication>
#include <optional>

#include "ui/qt/qt_controls.h"
#include "ui/qt/search_window.h"

namespace lexi {

DialogOutcome runSearchWindow(const WordList& words, const SoundIndex& keys,
                              TextEncoding encoding) {
  // The application title, as dialog frameworks derive it: the program file's
  // name without its extension.
  SearchWindow dialog(words, keys, encoding, QCoreApplication::applicationName().toStdString());
  dialog.exec();
  return DialogOutcome{};
}

int CMainApp::run(int argc, char** argv) {
  std::optional<QApplication> app;
  QtMessageDisplay messages;
  return runProgram(
      messages,
      [&] {
        app.emplace(argc, argv);
        QApplication::setWindowIcon(programIcon());
      },
      runSearchWindow);
}

}  // namespace lexi
