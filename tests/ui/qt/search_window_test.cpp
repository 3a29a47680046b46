// What the Qt front end adds to the dialog logic, driven through its real widgets
// on Qt's offscreen platform: the list's encoding at the toolkit's edge, from the
// start-up's choice to the clipboard, lower-casing, the history, the result
// model, the keys that select a line, the selected line shown whole, a larger
// window, F1, the message and About boxes, Exit against Esc and the "closest
// first" check box.
#include "ui/qt/search_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>

#include "ui/about_content.h"
#include "ui/qt/main_app.h"
#include "wordlist/word_list.h"

namespace lexi {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  bool ownerless;
  bool operator==(const SeenBox&) const = default;
};

// Runs `action`, pressing OK in every box it opens (a box that stays open is then
// closed all the same), and tells what they were. A modal window with a list is
// the search window: `drive` is given it, and must close it.
QList<SeenBox> closingBoxes(const std::function<void()>& action,
                            const std::function<void(QDialog&)>& drive = {}) {
  QList<SeenBox> seen;
  QPointer<QDialog> pressed;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    if (box == pressed) {
      seen.append({"(still open after OK)", "", QMessageBox::NoIcon, false});
      box->reject();
    } else if (box->findChild<QListView*>() != nullptr) {
      drive(*box);
    } else {
      auto* message = qobject_cast<QMessageBox*>(box);
      seen.append({box->windowTitle(), message ? message->text() : QString(),
                   message ? message->icon() : QMessageBox::NoIcon,
                   box->parentWidget() == nullptr});
      pressed = box;
      for (QPushButton* ok : box->findChildren<QPushButton*>()) {
        if (ok->text().remove(QLatin1Char('&')) == QLatin1String("OK")) ok->click();
      }
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

class SearchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Else a message that took the system's text in the user's language would pass.
    QVERIFY2(QLatin1String(std::strerror(ENOENT)) != "No such file or directory",
             "the run's locale (CMakeLists.txt) has no translated texts: install libc-l10n");
    // The settings of this run alone, in a folder of its own: not the user's.
    qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
    // Latin-1 bytes: "café" is stored with the single byte 0xE9.
    load("latin1.txt",
         "phone n. a device\nfone\ncaf\xe9 n.\xa0"
         "a\xa0"
         "coffee\xa0shop\ncat\nphone v. to call\n",
         latin1_);
  }

  void init() { open(latin1_); }

  void cleanup() { window_.reset(); }

  void theStartUpDecidesTheEncodingOfWhatIsTypedAndCopied() {
    // The program's own start-up, in a folder whose name a message shows whole.
    const QString savedDir = QDir::currentPath();
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("\u00c6r\u00f8")));
    QDir::setCurrent(dir_.filePath(QStringLiteral("\u00c6r\u00f8")));
    const SeenBox noList = {"Lexiquarium Error",
                            "Error: Cannot open file '" + QDir::currentPath() +
                                "/LexiquariumWords.txt':\nNo such file or directory.\n\n"
                                "Lexiquarium will close now.",
                            QMessageBox::Critical, true};
    // The UTF-8 list's word is copied by a double-click, the Latin-1 one's by Copy.
    const std::pair<QString, bool> cases[] = {
        // the list's one line (none when empty), in UTF-8 or else in Latin-1
        {"", false},
        {QStringLiteral("Asunci\u00f3n n. the capital"), true},
        {QStringLiteral("caf\u00e9 n. a shop"), false},
    };
    for (const auto& [line, utf8] : cases) {
      QFile file(QStringLiteral("LexiquariumWords.txt"));
      QVERIFY(line.isEmpty() || (file.open(QIODevice::WriteOnly) &&
                                 file.write((utf8 ? line.toUtf8() : line.toLatin1()) + '\n')));
      file.close();
      QApplication::clipboard()->clear();
      QtMessageDisplay messages;
      const QString typed = line.left(line.indexOf(' ')).toLower() + '*';
      int status = -1;
      QStringList seen;  // the field, the selected line, the history, the focus
      const QList<SeenBox> boxes = closingBoxes(
          [&] {
            status = runProgram(
                messages, [] {}, runSearchWindow);
          },
          [&, byDoubleClick = utf8](QDialog& dialog) {
            shown_ = &dialog;
            QApplication::setActiveWindow(&dialog);
            // Kept apart in the history (only A to Z fold), and a repeat kept once.
            for (const QString& query : {typed.toUpper(), typed, typed}) typeAndEnter(query);
            const QPoint first = list()->visualRect(list()->model()->index(0, 0)).center();
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, first);
            byDoubleClick ? QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, first)
                          : QTest::mouseClick(button("&Copy"), Qt::LeftButton);
            seen = QStringList{field()->text(), selectedLine()->text(),
                               combo()->itemText(0) + " of " + QString::number(combo()->count()),
                               field()->hasFocus() ? "field" : ""};
            dialog.reject();
          });
      QCOMPARE(status, line.isEmpty() ? 1 : 0);
      QCOMPARE(boxes, line.isEmpty() ? QList<SeenBox>{noList} : QList<SeenBox>{});
      QCOMPARE(QApplication::clipboard()->text(), line.section(' ', 0, 0));
      if (!line.isEmpty()) {
        QCOMPARE(seen, QStringList({typed, line, typed + " of 2", utf8 ? "field" : ""}));
      }
    }
    QDir::setCurrent(savedDir);
  }

  void typingAndPastingLowerOnlyAToZ() {
    // The engine folds only A to Z; lower-casing É would hide words written with it.
    const QString cases[][2] = {{"FoNE", "fone"},
                                {"PH*NE ?X", "ph*ne ?x"},
                                {"@AZ[`az{", "@az[`az{"},
                                {QStringLiteral("\u00c9COLE"), QStringLiteral("\u00c9cole")}};
    for (const auto& c : cases) {
      field()->clear();
      QTest::keyClicks(field(), c[0]);
      QCOMPARE(field()->text(), c[1]);
      field()->clear();
      QApplication::clipboard()->setText(c[0]);
      QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(field()->text(), c[1]);
    }
  }

  void findShowsLatin1LinesThroughTheModelAndKeepsTwentyQueries() {
    typeAndEnter(QStringLiteral("FONE"));
    QCOMPARE(resultLines(), QStringList({"phone n. a device", "fone", "phone v. to call"}));
    QCOMPARE(field()->selectedText(), QStringLiteral("fone"));
    typeAndEnter(QStringLiteral("c?f*"));  // the new results replace the old ones
    QCOMPARE(resultLines(), QStringList({QStringLiteral("caf\u00e9 n.\u00a0"
                                                        "a\u00a0"
                                                        "coffee\u00a0shop")}));
    QCOMPARE(list()->model()->index(0, 0).data(Qt::ToolTipRole).toString(), resultLines()[0]);
    for (int i = 1; i <= 25; ++i) typeAndEnter(QString::number(i));
    QCOMPARE(combo()->count(), 20);  // the last twenty queries, the latest first
    QCOMPARE(combo()->itemText(19), QStringLiteral("6"));
  }

  void keysSelectALineOfAListWithoutSelection() {
    // Entering the list by Tab makes its first line current but selects nothing.
    const struct {
      QString query;
      Qt::Key key;
      int selected;
    } cases[] = {
        {"fone", Qt::Key_Down, 0}, {"fone", Qt::Key_Up, 0},    {"fone", Qt::Key_End, 2},
        {"fone", Qt::Key_Home, 0}, {"c?f*", Qt::Key_Down, 0},  {"c?f*", Qt::Key_End, 0},
        {"zzzzq", Qt::Key_Up, 0},  {"zzzzq", Qt::Key_Home, 0},
    };
    for (const auto& c : cases) {
      typeAndEnter(c.query);
      QTest::keyClick(field(), Qt::Key_Tab);
      QVERIFY(list()->hasFocus());
      QTest::keyClick(list(), c.key);
      const QModelIndexList selected = list()->selectionModel()->selectedIndexes();
      QCOMPARE(selected.size(), 1);
      QCOMPARE(selected[0].row(), c.selected);
      QVERIFY(button("&Copy")->isEnabled());
      // The whole line shows below the list, with blanks where it has no-break spaces.
      QString whole = resultLines()[c.selected];
      whole.replace(QChar(0xA0), QLatin1Char(' '));
      QCOMPARE(selectedLine()->text(), whole);
      QTest::keyClick(list(), Qt::Key_Down);  // and then the keys move as always
      QCOMPARE(list()->currentIndex().row(),
               std::min(c.selected + 1, int(resultLines().size()) - 1));
    }
    typeAndEnter("fone");
    QCOMPARE(selectedLine()->text(), QString());
  }

  void aLargerWindowGivesTheListTheRoom() {
    const QSize listBefore = list()->size();
    const QSize goBefore = button("&Go")->size();
    window_->resize(window_->size() + QSize(300, 200));
    QTRY_COMPARE(list()->size(), listBefore + QSize(300, 200));
    QCOMPARE(button("&Go")->size(), goBefore);
    window_->resize(QSize(10, 10));  // never smaller than at first
    QTRY_COMPARE(list()->size(), listBefore);
  }

  void helpAndAboutOpenABoxThatOkCloses() {
    // Help starts only where its page is.
    QTemporaryDir emptyDir;
    const QString savedDir = QDir::currentPath();
    QDir::setCurrent(emptyDir.path());
    QFile(QStringLiteral("Lexiquarium.html")).open(QIODevice::WriteOnly);
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", emptyDir.path().toLocal8Bit());
    const SeenBox noViewer = {
        "Lexiquarium Error",
        "Cannot run Hypertext Help program 'xdg-open': No such file or directory.",
        QMessageBox::Warning, true};
    const std::pair<std::function<void()>, SeenBox> cases[] = {
        {[this] { QTest::mouseClick(button("&Help"), Qt::LeftButton); }, noViewer},
        {[this] { QTest::keyClick(field(), Qt::Key_F1); }, noViewer},
        {[this] { QTest::mouseClick(button("&About"), Qt::LeftButton); },
         {kAboutCaption, "", QMessageBox::NoIcon, true}},
    };
    for (const auto& [action, box] : cases) {
      // A window manager gives the dialog the focus back once a box is gone; the
      // offscreen platform has none.
      QApplication::setActiveWindow(window_.get());
      QCOMPARE(closingBoxes(action), QList<SeenBox>{box});
    }
    qputenv("PATH", savedPath);
    QDir::setCurrent(savedDir);
    QVERIFY(window_->isVisible());
  }

  void theProgramsTooLongBoxIsTitledByItsFileName() {
    // The application title, as dialog frameworks derive it: the program file's
    // name without its extension.
    const QString title = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QList<SeenBox> boxes;
    closingBoxes(
        [this] { runSearchWindow(latin1_.words, latin1_.keys, TextEncoding::kSingleByte); },
        [&](QDialog& dialog) {
          shown_ = &dialog;
          combo()->setEditText(QString(1001, QLatin1Char('a')));
          boxes = closingBoxes([this] { QTest::mouseClick(button("E&xit"), Qt::LeftButton); },
                               [](QDialog&) {});
          QVERIFY(dialog.isVisible());
          dialog.reject();
        });
    const SeenBox tooLong = {title, "Please enter no more than 1000 characters.",
                             QMessageBox::Warning, true};
    QCOMPARE(boxes, QList<SeenBox>{tooLong});
  }

  void exitChecksTheLengthButEscDoesNot() {
    combo()->setEditText(QString(1001, QLatin1Char('a')));
    QTest::keyClick(field(), Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->result(), int(QDialog::Rejected));

    window_->show();
    combo()->setEditText(QString(1000, QLatin1Char('a')));
    QVERIFY(closingBoxes([this] { QTest::mouseClick(button("E&xit"), Qt::LeftButton); }).isEmpty());
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->result(), int(QDialog::Accepted));
  }

  void closestFirstIsFlippedAndKeptForTheNextWindow() {
    const std::function<void()> flips[] = {
        [this] {
          QTest::mouseClick(closestFirst(), Qt::LeftButton);
          QVERIFY(field()->hasFocus());  // the user types on
        },
        [this] { QTest::keyClick(field(), Qt::Key_L, Qt::AltModifier); },
        [this] {
          QTest::keyClick(field(), Qt::Key_Tab);
          QTest::keyClick(list(), Qt::Key_Tab);
          QVERIFY(closestFirst()->hasFocus());
          QTest::keyClick(closestFirst(), Qt::Key_Space);
        },
        [this] { QTest::mouseClick(closestFirst(), Qt::LeftButton); },  // off for the other tests
    };
    bool on = false;
    QVERIFY(!closestFirst()->isChecked());
    for (const auto& flip : flips) {
      flip();
      on = !on;
      QTRY_COMPARE(closestFirst()->isChecked(), on);  // Alt+L clicks after a moment
      open(latin1_);                                  // the next window reads the choice back
      QCOMPARE(closestFirst()->isChecked(), on);
    }
    QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("config/Lexiquarium/Lexiquarium.conf"))));
  }

 private:
  QCheckBox* closestFirst() const { return shown_->findChild<QCheckBox*>(); }
  QComboBox* combo() const { return shown_->findChild<QComboBox*>(); }
  QLineEdit* field() const { return combo()->lineEdit(); }
  QListView* list() const { return shown_->findChild<QListView*>(); }
  QLabel* selectedLine() const {
    for (QLabel* label : shown_->findChildren<QLabel*>()) {
      if (label->wordWrap()) return label;
    }
    return nullptr;
  }
  QPushButton* button(const char* text) const {
    for (QPushButton* b : shown_->findChildren<QPushButton*>()) {
      if (b->text() == QLatin1String(text)) return b;
    }
    return nullptr;
  }
  QStringList resultLines() const {
    QStringList lines;
    for (int row = 0; row < list()->model()->rowCount(); ++row) {
      lines << list()->model()->index(row, 0).data().toString();
    }
    return lines;
  }
  void typeAndEnter(const QString& text) {
    field()->selectAll();
    field()->insert(text);  // as typed: QTest types ASCII only
    QTest::keyClick(field(), Qt::Key_Return);
  }
  struct List {
    WordList words;
    SoundIndex keys;
  };
  void load(const char* name, const char* bytes, List& list) {
    QFile file(dir_.filePath(QLatin1String(name)));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) > 0);
    file.close();
    SilentNotifier notifier;
    QVERIFY(list.words.load(file.fileName().toLocal8Bit().constData(), notifier));
    QVERIFY(list.keys.build(list.words, notifier));
  }
  void open(const List& list) {
    window_ = std::make_unique<SearchWindow>(list.words, list.keys, detectEncoding(list.words),
                                             "lexiquarium");
    shown_ = window_.get();
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  QTemporaryDir dir_;
  List latin1_;
  std::unique_ptr<SearchWindow> window_;
  QDialog* shown_ = nullptr;  // the window the helpers look into
};

}  // namespace lexi

QTEST_MAIN(lexi::SearchWindowTest)
#include "search_window_test.moc"
