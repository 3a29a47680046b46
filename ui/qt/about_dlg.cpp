#include "ui/qt/about_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/about_content.h"
#include "ui/qt/dialog_units.h"

namespace lexi {

namespace {

QLabel* plainLabel(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

CAboutDlg::CAboutDlg(const QIcon& icon, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(kAboutCaption));
  setWindowIcon(icon);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  const DialogUnits du(fontMetrics());

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(du.x(7), du.y(6), du.x(10), du.y(7));
  grid->setHorizontalSpacing(du.x(7));
  grid->setSizeConstraint(QLayout::SetFixedSize);

  auto* iconLabel = new QLabel(this);
  const int iconSize = du.y(20);
  iconLabel->setPixmap(icon.pixmap(iconSize, iconSize));
  iconLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  grid->addWidget(iconLabel, 0, 0, Qt::AlignTop);

  auto* texts = new QVBoxLayout;
  texts->setSpacing(0);
  texts->addSpacing(du.y(8));
  texts->addWidget(plainLabel(kAboutVersion, this));
  texts->addSpacing(du.y(3));
  for (const char* line : kAboutCredits) texts->addWidget(plainLabel(line, this));
  grid->addLayout(texts, 0, 1);

  auto* ok = new QPushButton(QString::fromUtf8(kAboutOk), this);
  ok->setDefault(true);
  ok->setMinimumWidth(du.x(32));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  grid->addWidget(ok, 0, 2, Qt::AlignTop);
}

}  // namespace lexi
