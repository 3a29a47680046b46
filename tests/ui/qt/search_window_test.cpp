// What the Qt front end adds to the dialog logic, driven through its real widgets
// on Qt's offscreen platform: the list's encoding at the toolkit's edge,
// lower-casing, the history's case rule, the result model, the keys that select
// a line, the selected line shown whole, a larger window, F1, the message boxes,
// Exit against Esc and the "closest first" check box. The end-to-end test
// drives the clipboard.
#include "ui/qt/search_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "ui/qt/list_text.h"
#include "wordlist/word_list.h"

namespace lexi {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  bool ownerless;
};

// Runs `action`, closing with OK every message box it opens, and tells what they were.
QList<SeenBox> closingMessageBoxes(const std::function<void()>& action) {
  QList<SeenBox> seen;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&seen] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen.append({box->windowTitle(), box->text(), box->icon(), box->parentWidget() == nullptr});
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

class SearchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The settings of this run alone, in a folder of its own: not the user's.
    qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
    // Latin-1 bytes: "café" is stored with the single byte 0xE9.
    load("latin1.txt",
         "phone n. a device\nfone\ncaf\xe9 n.\xa0"
         "a\xa0"
         "coffee\xa0shop\ncat\nphone v. to call\n",
         latin1_);
    load("utf8.txt", "Asunci\xc3\xb3n n. the capital\nAtat\xc3\xbcrk\nasunder adv.\n", utf8_);
  }

  void init() { open(latin1_); }

  void cleanup() { window_.reset(); }

  void theListsEncodingAtTheEnginesEdge() {
    const auto latin1 = TextEncoding::kSingleByte;
    const auto utf8 = TextEncoding::kUtf8;
    // What a list holds is the core's rule (text_conversion_test.cpp); here only
    // that a QString reaches it whole: a pair as one character, a lone surrogate
    // and a NUL as themselves.
    const struct {
      TextEncoding encoding;
      QString typed;
      QByteArray bytes;
    } cases[] = {
        {latin1, QStringLiteral("caf\u00e9 \U0001F41F") + QChar(0), "caf\xe9 \032\032"},
        {utf8, QStringLiteral("\u00e9\U0001F41F") + QChar(0xDC00) + "b",
         "\xc3\xa9\xf0\x9f\x90\x9f\032b"},
    };
    for (const auto& c : cases) {
      const ListText text(c.encoding);
      QCOMPARE(QByteArray::fromStdString(text.toEngine(c.typed)), c.bytes);
    }
    const QString shown = QStringLiteral("caf\u00e9 \U0001F41F");
    QCOMPARE(ListText(utf8).toDisplay("caf\xc3\xa9 \xf0\x9f\x90\x9f"), shown);
    QCOMPARE(ListText(latin1).toDisplay("caf\xe9"), QStringLiteral("caf\u00e9"));
  }

  void aUtf8ListShowsAndFindsItsAccentedWords() {
    open(utf8_);
    const QString asuncion = QStringLiteral("Asunci\u00f3n n. the capital");
    // By sound, by pattern ('?' is one character), and an accented capital as typed.
    for (const QString& query : {QStringLiteral("asunci\u00f3n"), QStringLiteral("asunci?n")}) {
      typeAndEnter(query);
      QCOMPARE(resultLines(), QStringList{asuncion});
    }
    typeAndEnter(QStringLiteral("ATAT\u00dcRK"));
    QCOMPARE(resultLines(), QStringList{QStringLiteral("Atat\u00fcrk")});
    // The history keeps apart what the search keeps apart: only A to Z fold.
    typeAndEnter(QStringLiteral("\u00c9*"));
    typeAndEnter(QStringLiteral("\u00e9*"));
    QCOMPARE(combo()->itemText(1), QStringLiteral("\u00c9*"));
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

  void findShowsLatin1LinesThroughTheModel() {
    typeAndEnter(QStringLiteral("FONE"));
    QCOMPARE(resultLines(), QStringList({"phone n. a device", "fone", "phone v. to call"}));
    QCOMPARE(field()->selectedText(), QStringLiteral("fone"));
    typeAndEnter(QStringLiteral("c?f*"));  // the new results replace the old ones
    QCOMPARE(resultLines(), QStringList({QStringLiteral("caf\u00e9 n.\u00a0"
                                                        "a\u00a0"
                                                        "coffee\u00a0shop")}));
    QCOMPARE(list()->model()->index(0, 0).data(Qt::ToolTipRole).toString(), resultLines()[0]);
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

  void helpByButtonOrF1ShowsItsFailureInABox() {
    // Help starts only where its page is.
    QTemporaryDir emptyDir;
    const QString savedDir = QDir::currentPath();
    QDir::setCurrent(emptyDir.path());
    QFile(QStringLiteral("Lexiquarium.html")).open(QIODevice::WriteOnly);
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", emptyDir.path().toLocal8Bit());
    const QList<SeenBox> byButton =
        closingMessageBoxes([this] { QTest::mouseClick(button("&Help"), Qt::LeftButton); });
    // A window manager gives the dialog the focus back once the box is gone; the
    // offscreen platform has none.
    QApplication::setActiveWindow(window_.get());
    const QList<SeenBox> byF1 =
        closingMessageBoxes([this] { QTest::keyClick(field(), Qt::Key_F1); });
    qputenv("PATH", savedPath);
    QDir::setCurrent(savedDir);
    for (const QList<SeenBox>& boxes : {byButton, byF1}) {
      QCOMPARE(boxes.size(), 1);
      QCOMPARE(boxes[0].text, QStringLiteral("Cannot run Hypertext Help program 'xdg-open': No "
                                             "such file or directory."));
      QCOMPARE(boxes[0].title, QStringLiteral("Lexiquarium Error"));
      QCOMPARE(boxes[0].icon, QMessageBox::Warning);
      QVERIFY(boxes[0].ownerless);
    }
    QVERIFY(window_->isVisible());
  }

  void exitChecksTheLengthButEscDoesNot() {
    combo()->setEditText(QString(1001, QLatin1Char('a')));
    const QList<SeenBox> boxes =
        closingMessageBoxes([this] { QTest::mouseClick(button("E&xit"), Qt::LeftButton); });
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QStringLiteral("Please enter no more than 1000 characters."));
    QCOMPARE(boxes[0].title, QStringLiteral("lexiquarium"));
    QVERIFY(window_->isVisible());
    QApplication::setActiveWindow(window_.get());  // as a window manager would
    QVERIFY(field()->hasFocus());

    QTest::keyClick(field(), Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->result(), int(QDialog::Rejected));

    window_->show();
    combo()->setEditText(QString(1000, QLatin1Char('a')));
    QVERIFY(closingMessageBoxes([this] {
              QTest::mouseClick(button("E&xit"), Qt::LeftButton);
            }).isEmpty());
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
  QCheckBox* closestFirst() const { return window_->findChild<QCheckBox*>(); }
  QComboBox* combo() const { return window_->findChild<QComboBox*>(); }
  QLineEdit* field() const { return combo()->lineEdit(); }
  QListView* list() const { return window_->findChild<QListView*>(); }
  QLabel* selectedLine() const {
    for (QLabel* label : window_->findChildren<QLabel*>()) {
      if (label->wordWrap()) return label;
    }
    return nullptr;
  }
  QPushButton* button(const char* text) const {
    for (QPushButton* b : window_->findChildren<QPushButton*>()) {
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
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  QTemporaryDir dir_;
  List latin1_;
  List utf8_;
  std::unique_ptr<SearchWindow> window_;
};

}  // namespace lexi

QTEST_MAIN(lexi::SearchWindowTest)
#include "search_window_test.moc"
