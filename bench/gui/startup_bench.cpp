// The desktop program's own start-up, from the process's start until its dialog
// is first painted: the program as it is, run in DIR (which holds the word list
// to load), except that the dialog closes as soon as it has been painted.
// bench/gui/run.sh times whole runs of it with hyperfine, on an empty list and on
// real ones: the difference is what the word list adds to start-up.
// Usage: startup_bench DIR   (run it under X, e.g. xvfb-run)
#include <unistd.h>

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <cstdio>

#include "ui/qt/main_app.h"

namespace {

// Closes the first dialog to be painted, once the paint is done.
class CloseAfterFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
      if (auto* dialog = qobject_cast<QDialog*>(static_cast<QWidget*>(watched)->window())) {
        QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        QCoreApplication::instance()->removeEventFilter(this);
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

void watchForFirstPaint() {
  static CloseAfterFirstPaint closer;
  QCoreApplication::instance()->installEventFilter(&closer);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)

int main(int argc, char** argv) {
  if (argc != 2 || ::chdir(argv[1]) != 0) {
    std::fprintf(stderr, "usage: startup_bench DIR\n");
    return 2;
  }
  return lexi::CMainApp().run(argc, argv);
}
