#include "ui/qt/main_app.h"

#include <QApplication>
#include <optional>
#include <string>
#include <vector>

#include "ui/message_notifier.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/search_window.h"
#include "wordlist/two_threads.h"

namespace lexi {

WordList theWordList;
SoundIndex theSoundIndex;

namespace {

// Keeps what the loading thread has to say until the toolkit can show it.
class HeldNotifier : public Notifier {
 public:
  void error(std::string_view message) override { errors_.emplace_back(message); }
  void warning(std::string_view message) override { warnings_.emplace_back(message); }

  void passOn(Notifier& notifier) const {
    for (const std::string& message : errors_) notifier.error(message);
    for (const std::string& message : warnings_) notifier.warning(message);
  }

 private:
  std::vector<std::string> errors_;
  std::vector<std::string> warnings_;
};

}  // namespace

int CMainApp::run(int argc, char** argv) {
  // The word list loads while the toolkit starts: the two share nothing, and no
  // window can exist before both are done.
  std::optional<QApplication> app;
  HeldNotifier held;
  bool loaded = false;
  bothAtOnce([&] { app.emplace(argc, argv); },
             [&] {
               loaded = theWordList.load(WordList::kFileName, held) &&
                        theSoundIndex.build(theWordList, held);
             });
  QApplication::setWindowIcon(programIcon());

  QtMessageDisplay messages;
  MessageNotifier notifier(messages);
  held.passOn(notifier);
  if (!loaded) {
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
