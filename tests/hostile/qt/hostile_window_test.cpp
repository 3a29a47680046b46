// The desktop dialog after hostile queries: each one comes back with its result
// (or its warning), and the dialog is ready for the next search afterwards.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <string>

#include "tests/ui/qt/window_test_base.h"

namespace lexi {
namespace {

std::string alternating(const char* pair, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += pair;
  return text;
}

const std::string kLongA(100000, 'a');
const std::string kAb = alternating("ab", 2000);

// Latin-1 bytes, one line each.
const std::string kWords = "phone n. a device\n" + kLongA + "\n" + std::string(1000, 'b') + "\n" +
                           kAb +
                           "\n"
                           "\ttab first\n"
                           "ba ba ba ba ba ba ba ba ba ba\n"
                           "\xe9t\xe9 summer\n"
                           "\xc9T\xc9\n";

QString latin1(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

class HostileWindowTest : public WindowTestBase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void staysUsable_data();
  void staysUsable();

 private:
  // Pastes `query` into the word field and presses Enter; returns the texts of
  // the message boxes that opened, each closed with OK.
  QStringList find(const QString& query);
};

void HostileWindowTest::initTestCase() {
  loadWords(kWords);
}

void HostileWindowTest::init() {
  openWindow();
}

void HostileWindowTest::cleanup() {
  window_.reset();
}

QStringList HostileWindowTest::find(const QString& query) {
  QStringList texts;
  const QList<SeenBox> boxes = closingMessageBoxes([this, &query] {
    QApplication::clipboard()->setText(query);
    field()->setFocus();
    field()->selectAll();
    QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field(), Qt::Key_Return);
  });
  for (const SeenBox& box : boxes) texts << box.text;
  return texts;
}

void HostileWindowTest::staysUsable_data() {
  QTest::addColumn<QString>("query");
  QTest::addColumn<QStringList>("results");
  QTest::addColumn<QStringList>("boxes");
  QTest::addColumn<QString>("shown");  // the field's text after the find

  const QStringList nothing{QStringLiteral("Nothing was found.")};
  const QStringList tooManyStars{QStringLiteral("Too many *")};
  QString latinUpperHalf;
  for (int c = 0x80; c <= 0xFF; ++c) latinUpperHalf += QChar(c);

  QTest::newRow("8 stars against long lines")
      << QStringLiteral("*a*a*a*a*a*a*a*b") << QStringList{latin1(kAb)} << QStringList{}
      << QString();
  QTest::newRow("8 stars, 8 a's") << QStringLiteral("*a*a*a*a*a*a*a*a")
                                  << QStringList{latin1(kLongA),
                                                 QStringLiteral("ba ba ba ba ba ba ba ba ba ba")}
                                  << QStringList{} << QString();
  QTest::newRow("9 stars") << QStringLiteral("*a*a*a*a*a*a*a*a*b") << nothing << tooManyStars
                           << QString();
  QTest::newRow("1000 stars") << QString(1000, QChar('*')) << nothing << tooManyStars << QString();
  QTest::newRow("1000 question marks")
      << QString(1000, QChar('?')) << QStringList{QString(1000, QChar('b'))} << QStringList{}
      << QString();
  QTest::newRow("1000 letters") << QString(1000, QChar('a')) << QStringList{latin1(kLongA)}
                                << QStringList{} << QString();
  QTest::newRow("1000 blanks") << QString(1000, QChar(' ')) << nothing << QStringList{}
                               << QString();
  QTest::newRow("every kind, 1000 long")
      << QStringLiteral("*?a ").repeated(250) << nothing << tooManyStars << QString();
  QTest::newRow("bytes 0x80 to 0xFF") << latinUpperHalf << nothing << QStringList{} << QString();
  QTest::newRow("small e acute") << QStringLiteral("\u00e9*")
                                 << QStringList{QStringLiteral("\u00e9t\u00e9 summer")}
                                 << QStringList{} << QString();
  QTest::newRow("capital E acute")
      << QStringLiteral("\u00c9*") << QStringList{QStringLiteral("\u00c9T\u00c9")} << QStringList{}
      << QString();
  QTest::newRow("a tab") << QStringLiteral("\t*") << QStringList{QStringLiteral("\ttab first")}
                         << QStringList{} << QString();
  QTest::newRow("control character")
      << QStringLiteral("\u0001") << nothing << QStringList{} << QString();
  QTest::newRow("outside Latin-1")
      << QStringLiteral("\U0001F41F") << nothing << QStringList{} << QStringLiteral("\u001a");
}

void HostileWindowTest::staysUsable() {
  QFETCH(QString, query);
  QFETCH(QStringList, results);
  QFETCH(QStringList, boxes);
  QFETCH(QString, shown);
  if (shown.isNull()) shown = query;

  QCOMPARE(find(query), boxes);
  QCOMPARE(resultLines(), results);
  QVERIFY(button("&Go")->isEnabled());
  // The field has the focus again once the dialog is active; the offscreen
  // platform does not give it back after a message box by itself.
  QCOMPARE(window_->focusWidget(), combo());
  QCOMPARE(field()->text(), shown);
  QCOMPARE(field()->selectedText(), shown);
  QCOMPARE(combo()->itemText(0), shown);

  QCOMPARE(find(QStringLiteral("fone")), QStringList{});
  QCOMPARE(resultLines(), QStringList{QStringLiteral("phone n. a device")});
  QCOMPARE(combo()->itemText(1), shown);
}

}  // namespace lexi

QTEST_MAIN(lexi::HostileWindowTest)
#include "hostile_window_test.moc"
