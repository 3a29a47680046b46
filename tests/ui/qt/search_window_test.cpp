// The Qt dialog driven through its real widgets, as a user would, on Qt's
// offscreen platform.
#include "ui/qt/search_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
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

#include "tests/ui/qt/window_test_base.h"
#include "ui/qt/latin1_text.h"

namespace lexi {
namespace {

// Latin-1 bytes: "café" is stored with the single byte 0xE9.
const char kWords[] =
    "phone n. a device\n"
    "fone\n"
    "caf\xe9 n. a coffee shop\n"
    "cat\n"
    "x\n"
    "phone v. to call\n";

}  // namespace

class SearchWindowTest : public WindowTestBase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void engineTextConversion_data();
  void engineTextConversion();
  void layoutAndWindowFrame();
  void tabOrderFollowsTheTemplate();
  void typingLowersOnlyAToZ_data();
  void typingLowersOnlyAToZ();
  void pasteLowersAToZ();
  void enterInTheFieldRunsTheFind();
  void enterInTheListAndGoRunTheFind();
  void emptyFieldShowsTheGuidance();
  void nothingFoundAndTooManyStars();
  void characterOutsideLatin1IsNoWildCard();
  void historyIsMostRecentFirstAndHoldsTwenty();
  void copyNeedsASelectionAndCopiesTheFirstWord();
  void doubleClickCopiesAndReturnsToTheField();
  void longFirstWordIsCopiedWhole();
  void aboutOpensAndCloses_data();
  void aboutOpensAndCloses();
  void helpFailsWithAMessageWhenTheOpenerIsMissing();
  void exitChecksTheLengthButEscDoesNot();

 private:
  void typeAndEnter(const QString& text);
  void pressAlt(Qt::Key key);
  void clickLine(int row, bool twice = false);
};

void SearchWindowTest::initTestCase() {
  loadWords({kWords, sizeof kWords - 1});
}

void SearchWindowTest::init() {
  openWindow();
  QApplication::clipboard()->clear();
}

void SearchWindowTest::cleanup() {
  window_.reset();
}

void SearchWindowTest::typeAndEnter(const QString& text) {
  field()->selectAll();
  QTest::keyClicks(field(), text);
  QTest::keyClick(field(), Qt::Key_Return);
}

// A mnemonic clicks its button the way a mouse would, pressed for a moment:
// the click lands after a short wait.
void SearchWindowTest::pressAlt(Qt::Key key) {
  QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
  QTest::qWait(200);
}

void SearchWindowTest::clickLine(int row, bool twice) {
  const QPoint at = list()->visualRect(list()->model()->index(row, 0)).center();
  QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
  if (twice) QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
}

void SearchWindowTest::engineTextConversion_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QByteArray>("bytes");
  QTest::newRow("ASCII") << "ph*ne x" << QByteArray("ph*ne x");
  QTest::newRow("Latin-1 letters")
      << QStringLiteral("caf\u00e9 \u00c9\u00ff") << QByteArray("caf\xe9 \xc9\xff");
  QTest::newRow("outside Latin-1") << QStringLiteral("a\u20acb")
                                   << QByteArray(
                                          "a\x1a"
                                          "b");
  QTest::newRow("outside the Basic Plane") << QStringLiteral("a\U0001F41Fb")
                                           << QByteArray(
                                                  "a\x1a"
                                                  "b");
  QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("\x1a");
  QTest::newRow("NUL") << QString(QChar(0)) + "b"
                       << QByteArray(
                              "\x1a"
                              "b");
  QTest::newRow("empty") << QString() << QByteArray();
}

void SearchWindowTest::engineTextConversion() {
  QFETCH(QString, typed);
  QFETCH(QByteArray, bytes);
  const std::string engine = toEngineText(typed);
  QCOMPARE(QByteArray(engine.data(), static_cast<qsizetype>(engine.size())), bytes);
  QCOMPARE(fromEngineText(engine).size(), bytes.size());
}

void SearchWindowTest::layoutAndWindowFrame() {
  QCOMPARE(window_->windowTitle(), QStringLiteral("Lexiquarium"));
  QVERIFY(!window_->windowIcon().isNull());
  const Qt::WindowFlags flags = window_->windowFlags();
  QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(window_->findChild<QLabel*>()->text() ==
          QStringLiteral("Type a word with or without wild cards (* and ?)"));
  // The buttons stand in one column, in this order from the top.
  const char* column[] = {"&Go", "&Copy", "&About", "&Help", "E&xit"};
  for (int i = 1; i < 5; ++i) {
    QVERIFY2(button(column[i - 1])->y() < button(column[i])->y(), column[i]);
    QCOMPARE(button(column[i])->x(), button(column[0])->x());
  }
  QVERIFY(button("&Go")->isDefault());
  QVERIFY(!button("&Copy")->isEnabled());
  QVERIFY(field()->hasFocus());
  QVERIFY(list()->geometry().top() > combo()->geometry().bottom());
  QCOMPARE(list()->selectionMode(), QAbstractItemView::SingleSelection);
}

void SearchWindowTest::tabOrderFollowsTheTemplate() {
  typeAndEnter(QStringLiteral("fone"));
  clickLine(0);  // enables Copy, so that it takes part in the order
  field()->setFocus();
  const QList<QWidget*> order = {list(),          button("&Copy"),  button("&Go"),
                                 button("&Help"), button("&About"), button("E&xit")};
  for (QWidget* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), next);
  }
}

void SearchWindowTest::typingLowersOnlyAToZ_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::newRow("capitals") << "FoNE"
                            << "fone";
  QTest::newRow("wild cards and blanks") << "PH*NE ?X"
                                         << "ph*ne ?x";
  // The engine folds only A to Z; lower-casing É would hide words written with it.
  QTest::newRow("accented capital stays")
      << QStringLiteral("\u00c9COLE") << QStringLiteral("\u00c9cole");
}

void SearchWindowTest::typingLowersOnlyAToZ() {
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  QTest::keyClicks(field(), typed);
  QCOMPARE(field()->text(), shown);
}

void SearchWindowTest::pasteLowersAToZ() {
  QApplication::clipboard()->setText(QStringLiteral("PHONE"));
  QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(field()->text(), QStringLiteral("phone"));
  QTest::keyClick(field(), Qt::Key_Return);
  QCOMPARE(combo()->itemText(0), QStringLiteral("phone"));
}

void SearchWindowTest::enterInTheFieldRunsTheFind() {
  typeAndEnter(QStringLiteral("FONE"));
  QCOMPARE(resultLines(), QStringList({"phone n. a device", "fone", "phone v. to call"}));
  QVERIFY(field()->hasFocus());
  QCOMPARE(field()->selectedText(), QStringLiteral("fone"));
  QVERIFY(window_->isVisible());

  QTest::keyClicks(field(), QStringLiteral("c?f*"));  // typing replaces the old query
  QTest::keyClick(field(), Qt::Key_Return);
  QCOMPARE(resultLines(), QStringList({QStringLiteral("caf\u00e9 n. a coffee shop")}));
}

void SearchWindowTest::enterInTheListAndGoRunTheFind() {
  typeAndEnter(QStringLiteral("fone"));
  combo()->setEditText(QStringLiteral("cat"));
  list()->setFocus();
  QTest::keyClick(list(), Qt::Key_Return);
  QCOMPARE(resultLines(), QStringList({"cat"}));

  combo()->setEditText(QStringLiteral("x"));
  QTest::mouseClick(button("&Go"), Qt::LeftButton);
  QCOMPARE(resultLines(), QStringList({"x"}));
  QVERIFY(field()->hasFocus());

  combo()->setEditText(QStringLiteral("fone"));
  pressAlt(Qt::Key_G);
  QCOMPARE(resultLines().size(), 3);
}

void SearchWindowTest::emptyFieldShowsTheGuidance() {
  QTest::keyClick(field(), Qt::Key_Return);
  QCOMPARE(resultLines(),
           QStringList({"Please type a word above.", "Wild cards (* and ?) are useful.",
                        "'?' substitutes for exactly one letter.",
                        "'*' substitutes for any number of letters,", "including no letter.", "",
                        "If no wild card is used, the search will be", "by matching sounds."}));
  QCOMPARE(combo()->count(), 0);
  QVERIFY(!button("&Copy")->isEnabled());
}

void SearchWindowTest::nothingFoundAndTooManyStars() {
  typeAndEnter(QStringLiteral("dog"));
  QCOMPARE(resultLines(), QStringList({"Nothing was found."}));

  const QList<SeenBox> boxes = closingMessageBoxes([this] { typeAndEnter("*********"); });
  QCOMPARE(boxes.size(), 1);
  QCOMPARE(boxes[0].text, QStringLiteral("Too many *"));
  QCOMPARE(boxes[0].title, QStringLiteral("Lexiquarium Error"));
  QCOMPARE(boxes[0].icon, QMessageBox::Warning);
  QVERIFY(boxes[0].ownerless);
  QCOMPARE(boxes[0].buttons, 1);
  QCOMPARE(resultLines(), QStringList({"Nothing was found."}));
  QVERIFY(button("&Go")->isEnabled());
}

void SearchWindowTest::characterOutsideLatin1IsNoWildCard() {
  // As '?' it would be a pattern listing "x"; as the substitute byte it is a
  // sound query with no sound.
  QInputMethodEvent omega;  // how an input method hands over a character
  omega.setCommitString(QStringLiteral("\u03a9"));
  QApplication::sendEvent(field(), &omega);
  QTest::keyClick(field(), Qt::Key_Return);
  QCOMPARE(resultLines(), QStringList({"Nothing was found."}));
  QCOMPARE(combo()->itemText(0), QStringLiteral("\u001a"));
}

void SearchWindowTest::historyIsMostRecentFirstAndHoldsTwenty() {
  for (int i = 1; i <= 21; ++i) typeAndEnter(QStringLiteral("Q%1").arg(i));
  QCOMPARE(combo()->count(), 20);
  QCOMPARE(combo()->itemText(0), QStringLiteral("q21"));
  QCOMPARE(combo()->itemText(19), QStringLiteral("q2"));

  typeAndEnter(QStringLiteral("q5"));
  QCOMPARE(combo()->count(), 20);
  QCOMPARE(combo()->itemText(0), QStringLiteral("q5"));
  QCOMPARE(combo()->findText(QStringLiteral("q5")), 0);
  QCOMPARE(combo()->itemText(1), QStringLiteral("q21"));

  // Picking an earlier query from the list and running it again.
  combo()->setCurrentIndex(3);
  const QString picked = combo()->itemText(3);
  QTest::keyClick(field(), Qt::Key_Return);
  QCOMPARE(combo()->itemText(0), picked);
  QCOMPARE(field()->text(), picked);
  QCOMPARE(combo()->count(), 20);
}

void SearchWindowTest::copyNeedsASelectionAndCopiesTheFirstWord() {
  typeAndEnter(QStringLiteral("*"));
  QVERIFY(!button("&Copy")->isEnabled());
  pressAlt(Qt::Key_C);
  QCOMPARE(QApplication::clipboard()->text(), QString());

  clickLine(2);
  QVERIFY(button("&Copy")->isEnabled());
  QTest::mouseClick(button("&Copy"), Qt::LeftButton);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("caf\u00e9"));

  clickLine(0);
  pressAlt(Qt::Key_C);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("phone"));

  typeAndEnter(QStringLiteral("fone"));
  QVERIFY2(!button("&Copy")->isEnabled(), "every find disables Copy again");
  QVERIFY(list()->selectionModel()->selectedIndexes().isEmpty());
}

void SearchWindowTest::doubleClickCopiesAndReturnsToTheField() {
  typeAndEnter(QStringLiteral("fone"));
  clickLine(1, true);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("fone"));
  QVERIFY(field()->hasFocus());
  QCOMPARE(field()->selectedText(), QStringLiteral("fone"));

  field()->clear();
  QTest::keyClick(field(), Qt::Key_Return);  // guidance: its lines copy like any other
  clickLine(7, true);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("by"));
}

void SearchWindowTest::longFirstWordIsCopiedWhole() {
  QTemporaryDir dir;
  const QByteArray word(700, 'w');
  const QString path = dir.filePath(QStringLiteral("long.txt"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(word + " " + QByteArray(400, 'n') + "\n");
  file.close();
  WordList longList;
  SilentNotifier notifier;
  QVERIFY(longList.load(path.toLocal8Bit().constData(), notifier));
  SoundIndex longKeys;
  QVERIFY(longKeys.build(longList, notifier));

  SearchWindow window(longList, longKeys, "lexiquarium");
  window.show();
  QComboBox* longCombo = window.findChild<QComboBox*>();
  longCombo->setEditText(QStringLiteral("w*"));
  QTest::keyClick(longCombo->lineEdit(), Qt::Key_Return);
  auto* view = window.findChild<QListView*>();
  view->selectionModel()->select(view->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
  for (QPushButton* b : window.findChildren<QPushButton*>()) {
    if (b->text() == QStringLiteral("&Copy")) QTest::mouseClick(b, Qt::LeftButton);
  }
  QCOMPARE(QApplication::clipboard()->text(), QString::fromLatin1(word));
}

void SearchWindowTest::aboutOpensAndCloses_data() {
  QTest::addColumn<int>("closeWith");
  QTest::newRow("OK") << 0;
  QTest::newRow("Enter") << 1;
  QTest::newRow("Esc") << 2;
  QTest::newRow("close box") << 3;
}

void SearchWindowTest::aboutOpensAndCloses() {
  QFETCH(int, closeWith);
  QString title;
  QStringList texts;
  bool closed = false;
  QTimer::singleShot(50, [&] {
    auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(about != nullptr);
    title = about->windowTitle();
    for (const QLabel* label : about->findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) texts << label->text();
    }
    switch (closeWith) {
      case 0:
        QTest::mouseClick(about->findChild<QPushButton*>(), Qt::LeftButton);
        break;
      case 1:
        QTest::keyClick(about, Qt::Key_Return);
        break;
      case 2:
        QTest::keyClick(about, Qt::Key_Escape);
        break;
      default:
        about->close();
    }
    closed = about->isHidden();
  });
  QTest::mouseClick(button("&About"), Qt::LeftButton);
  QVERIFY(closed);
  QCOMPARE(title, QStringLiteral("About Lexiquarium"));
  QCOMPARE(texts.size(), 7);
  QCOMPARE(texts.first(), QStringLiteral("Lexiquarium Version 2.2"));
  QVERIFY(texts.filter(QStringLiteral("Princeton University")).size() == 1);
  QVERIFY(window_->isVisible());
}

void SearchWindowTest::helpFailsWithAMessageWhenTheOpenerIsMissing() {
  QTemporaryDir emptyDir;
  const QByteArray savedPath = qgetenv("PATH");
  qputenv("PATH", emptyDir.path().toLocal8Bit());
  const QList<SeenBox> byButton =
      closingMessageBoxes([this] { QTest::mouseClick(button("&Help"), Qt::LeftButton); });
  // A window manager gives the dialog the focus back once the box is gone; the
  // offscreen platform has none.
  QApplication::setActiveWindow(window_.get());
  const QList<SeenBox> byF1 = closingMessageBoxes([this] { QTest::keyClick(field(), Qt::Key_F1); });
  qputenv("PATH", savedPath);

  for (const QList<SeenBox>& boxes : {byButton, byF1}) {
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QStringLiteral("Cannot run Hypertext Help program 'xdg-open': No "
                                           "such file or directory."));
    QCOMPARE(boxes[0].title, QStringLiteral("Lexiquarium Error"));
    QCOMPARE(boxes[0].icon, QMessageBox::Warning);
    QVERIFY(boxes[0].ownerless);
  }
  QVERIFY(window_->isVisible());
  typeAndEnter(QStringLiteral("fone"));
  QCOMPARE(resultLines().size(), 3);
}

void SearchWindowTest::exitChecksTheLengthButEscDoesNot() {
  combo()->setEditText(QString(1001, QLatin1Char('a')));
  button("E&xit")->setFocus();
  const QList<SeenBox> boxes = closingMessageBoxes([this] { pressAlt(Qt::Key_X); });
  QCOMPARE(boxes.size(), 1);
  QCOMPARE(boxes[0].text, QStringLiteral("Please enter no more than 1000 characters."));
  QCOMPARE(boxes[0].title, QStringLiteral("lexiquarium"));
  QCOMPARE(boxes[0].icon, QMessageBox::Warning);
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
  QCOMPARE(window_->logic().m_strWord.size(), 1000u);
}

}  // namespace lexi

QTEST_MAIN(lexi::SearchWindowTest)
#include "search_window_test.moc"
