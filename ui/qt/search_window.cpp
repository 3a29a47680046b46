#include "ui/qt/search_window.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

#include "res/dialog_text.h"
#include "res/mode_text.h"
#include "ui/qt/about_dlg.h"
#include "ui/qt/dialog_units.h"

namespace lexi {

namespace {

QPushButton* makeButton(const char* text, QWidget* parent) {
  return new QPushButton(QString::fromUtf8(text), parent);
}

}  // namespace

SearchWindow::SearchWindow(const WordList& words, const SoundIndex& keys, TextEncoding encoding,
                           const std::string& appTitle, QWidget* parent)
    : QDialog(parent),
      codec_(encoding),
      word_(new QComboBox(this)),
      list_(new ResultView(this)),
      selectedLine_(new QLabel(this)),
      go_(makeButton(LEXI_GO_LABEL, this)),
      copy_(makeButton(LEXI_COPY_LABEL, this)),
      about_(makeButton(LEXI_ABOUT_LABEL, this)),
      help_(makeButton(LEXI_HELP_LABEL, this)),
      exit_(makeButton(LEXI_EXIT_LABEL, this)),
      closestFirstBox_(new QCheckBox(QString::fromUtf8(LEXI_CLOSEST_FIRST_LABEL), this)),
      dlg_(*this, messages_, preferences_, helpStarter_, appTitle, words, keys, encoding) {
  setWindowTitle(QStringLiteral("Lexiquarium"));
  setWindowIcon(programIcon());
  // A window of its own, with a taskbar entry.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);

  word_->setEditable(true);
  word_->setInsertPolicy(QComboBox::NoInsert);  // the history is kept by AddToHistory
  word_->setCompleter(nullptr);
  word_->setValidator(&lowerCase_);

  list_->setModel(&model_);
  list_->setUniformItemSizes(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Rows of uniform size are measured on one line only, so a horizontal scroll
  // range would fit that line alone: long lines end in an ellipsis instead and
  // show in full as a tooltip.
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setTextElideMode(Qt::ElideRight);

  selectedLine_->setTextFormat(Qt::PlainText);
  selectedLine_->setWordWrap(true);
  selectedLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  selectedLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // The line wraps to the list's width; it never widens the window.
  selectedLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  // A click leaves the focus where the user types; Tab and Alt+L still reach it.
  closestFirstBox_->setFocusPolicy(Qt::TabFocus);

  go_->setDefault(true);
  copy_->setEnabled(false);

  layOut();
  wire();
  dlg_.OnInitDialog();
}

void SearchWindow::layOut() {
  const DialogUnits du(fontMetrics());

  auto* label = new QLabel(QStringLiteral(LEXI_PROMPT), this);
  label->setTextFormat(Qt::PlainText);

  list_->setMinimumSize(du.x(179), du.y(123));

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(0);
  for (QPushButton* button : {go_, copy_, about_, help_, exit_}) {
    button->setMinimumSize(du.x(40), du.y(14));
    if (button != go_) buttons->addStretch(1);
    buttons->addWidget(button);
  }

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(du.x(6), du.y(6), du.x(7), du.y(5));
  grid->setHorizontalSpacing(du.x(9));
  grid->setVerticalSpacing(du.y(2));
  grid->addWidget(label, 0, 0);
  grid->addWidget(word_, 1, 0);
  grid->addItem(new QSpacerItem(0, du.y(6)), 2, 0);
  grid->addWidget(list_, 3, 0);
  grid->addWidget(closestFirstBox_, 4, 0, Qt::AlignLeft);
  grid->addWidget(selectedLine_, 5, 0);
  grid->addLayout(buttons, 1, 1, 3, 1);
  // Four lines hold the longest line of the bundled list at the smallest width.
  selectedLine_->setMinimumHeight(4 * fontMetrics().lineSpacing());
  // The window may grow, and the list, the one widget that expands, takes the
  // room; it never gets smaller than the template's size.
  setMinimumSize(sizeHint());

  QWidget* const tabOrder[] = {word_, list_, closestFirstBox_, copy_, go_, help_, about_, exit_};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void SearchWindow::wire() {
  connect(go_, &QPushButton::clicked, this, [this] {
    dlg_.OnGo();
    showSelectedLine();
  });
  connect(copy_, &QPushButton::clicked, this, [this] { dlg_.OnCopy(); });
  connect(about_, &QPushButton::clicked, this, [this] { dlg_.OnAboutButton(); });
  connect(help_, &QPushButton::clicked, this, [this] { dlg_.OnHelpButton(); });
  connect(exit_, &QPushButton::clicked, this, [this] {
    if (dlg_.OnOK()) accept();
  });
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    dlg_.OnSelchangeResults(selected.isEmpty() ? -1 : selected.first().row());
    showSelectedLine();
  });
  // Only the user's clicks, by mouse, Space or Alt+L: not the state the dialog restores.
  connect(closestFirstBox_, &QCheckBox::clicked, this, [this] { dlg_.OnClosestFirst(); });
  connect(list_, &ResultView::doubleClickedAnywhere, this, [this] { dlg_.OnDblclkResults(); });
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, [this] { dlg_.OnHelpButton(); });
}

std::string SearchWindow::wordText() const {
  return listBytes(codec_, word_->currentText());
}

void SearchWindow::setWordText(std::string_view text) {
  word_->setEditText(shownText(codec_, text));
}

void SearchWindow::showHistory(const std::vector<std::string>& items) {
  QStringList shown;
  for (const std::string& item : items) shown.append(shownText(codec_, item));
  // In one insertion: the field's list tells its views once, not once an item.
  word_->clear();
  word_->addItems(shown);
}

bool SearchWindow::showRows(int count) {
  model_.showRows(count);
  return true;
}

void SearchWindow::copyText(std::string_view text) {
  QGuiApplication::clipboard()->setText(shownText(codec_, text));
}

void SearchWindow::runAbout() {
  CAboutDlg about(programIcon());
  about.exec();
}

void SearchWindow::showSelectedLine() {
  const int row = dlg_.selectedRow();
  QString line = row < 0 ? QString() : shownText(codec_, dlg_.rowText(row));
  // The bundled list parts the words of its notes with no-break spaces, which
  // would leave a note nowhere to wrap.
  line.replace(QChar(0xA0), QLatin1Char(' '));
  selectedLine_->setText(line);
}

}  // namespace lexi
