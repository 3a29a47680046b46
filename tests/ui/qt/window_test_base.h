// What the widget tests share: a word list of the test's own, a fresh dialog
// for each test function, the ways to reach its widgets, and a closer for the
// message boxes an action opens.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <string_view>

#include "ui/qt/search_window.h"
#include "wordlist/word_list.h"

namespace lexi {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  bool ownerless;
  int buttons;
};

// Runs `action`, closing with OK every message box it opens, and tells what they were.
inline QList<SeenBox> closingMessageBoxes(const std::function<void()>& action) {
  QList<SeenBox> seen;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&seen] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen.append({box->windowTitle(), box->text(), box->icon(), box->parentWidget() == nullptr,
                   static_cast<int>(box->buttons().size())});
      box->button(QMessageBox::Ok)->click();
    }
  });
  timer.start();
  action();
  QCoreApplication::processEvents();
  return seen;
}

class SilentNotifier : public Notifier {
 public:
  void error(std::string_view) override {}
  void warning(std::string_view) override {}
};

class WindowTestBase : public QObject {
 protected:
  // Loads `bytes` as the word list: call it from initTestCase().
  void loadWords(std::string_view bytes) {
    QVERIFY(dir_.isValid());
    const QString path = dir_.filePath(QStringLiteral("words.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    SilentNotifier notifier;
    QVERIFY(words_.load(path.toLocal8Bit().constData(), notifier));
    QVERIFY(keys_.build(words_, notifier));
  }

  // A new dialog, shown and active: call it from init().
  void openWindow() {
    window_ = std::make_unique<SearchWindow>(words_, keys_, "lexiquarium");
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  QComboBox* combo() const { return window_->findChild<QComboBox*>(); }
  QLineEdit* field() const { return combo()->lineEdit(); }
  QListView* list() const { return window_->findChild<QListView*>(); }

  QPushButton* button(const char* text) const {
    for (QPushButton* b : window_->findChildren<QPushButton*>()) {
      if (b->text() == QLatin1String(text)) return b;
    }
    return nullptr;
  }

  QStringList resultLines() const {
    QStringList lines;
    const QAbstractItemModel* model = list()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      lines << model->index(row, 0).data().toString();
    }
    return lines;
  }

  WordList words_;
  SoundIndex keys_;
  std::unique_ptr<SearchWindow> window_;

 private:
  QTemporaryDir dir_;
};

}  // namespace lexi
