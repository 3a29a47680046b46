#include "ui/qt/qt_controls.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

#include "ui/qt/about_dlg.h"

namespace lexi {

namespace {

QString settingName(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QValidator::State LowerCaseValidator::validate(QString& input, int& /*pos*/) const {
  lowerAsciiLetters(input);
  return Acceptable;
}

std::string QtWordField::text() const {
  return text_.toEngine(combo_.currentText());
}

void QtWordField::setText(std::string_view text) {
  combo_.setEditText(text_.toDisplay(text));
}

std::string QtWordField::itemText(int index) const {
  return text_.toEngine(combo_.itemText(index));
}

int QtWordField::deleteItem(int index) {
  if (index < 0 || index >= combo_.count()) return -1;
  combo_.removeItem(index);
  return combo_.count();
}

int QtWordField::insertTop(std::string_view text) {
  QString item = text_.toDisplay(text);
  lowerAsciiLetters(item);
  combo_.insertItem(0, item);
  return 0;
}

void QtWordField::setCurrentItem(int index) {
  combo_.setCurrentIndex(index);
}

void QtWordField::selectAll() {
  combo_.lineEdit()->selectAll();
}

void QtWordField::setFocus() {
  combo_.setFocus(Qt::OtherFocusReason);
}

int ResultModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_;
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
  // The tooltip shows a line that is too long for the list in full.
  if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid() ||
      index.row() >= shown_) {
    return {};
  }
  return text_.toDisplay(line(index.row()));
}

void ResultModel::clear() {
  beginResetModel();
  lines_.clear();
  shown_ = 0;
  endResetModel();
}

void ResultModel::publish() {
  if (shown_ == size()) return;
  beginInsertRows(QModelIndex(), shown_, size() - 1);
  shown_ = size();
  endInsertRows();
}

void ResultView::mouseDoubleClickEvent(QMouseEvent* event) {
  QListView::mouseDoubleClickEvent(event);
  emit doubleClickedAnywhere();
}

void ResultView::keyPressEvent(QKeyEvent* event) {
  const int rows = model()->rowCount();
  if (rows > 0 && !selectionModel()->hasSelection()) {
    int row = -1;
    switch (event->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
        row = currentIndex().isValid() ? currentIndex().row() : 0;
        break;
      case Qt::Key_Home:
        row = 0;
        break;
      case Qt::Key_End:
        row = rows - 1;
        break;
      default:
        break;
    }
    if (row >= 0) {
      selectionModel()->setCurrentIndex(model()->index(row, 0),
                                        QItemSelectionModel::ClearAndSelect);
      return;
    }
  }
  QListView::keyPressEvent(event);
}

int QtResultList::selectedIndex() const {
  const QModelIndexList selected = view_.selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

bool QtPreferences::readFlag(std::string_view name, bool fallback) const {
  return settings_.value(settingName(name), fallback).toBool();
}

void QtPreferences::writeFlag(std::string_view name, bool value) {
  settings_.setValue(settingName(name), value);
}

void QtClipboard::setText(std::string_view text) {
  QGuiApplication::clipboard()->setText(text_.toDisplay(text));
}

void QtMessageDisplay::show(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::kError ? QMessageBox::Critical : QMessageBox::Warning,
                  QString::fromLocal8Bit(title), QString::fromLocal8Bit(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void QtAboutBox::run() {
  CAboutDlg about(icon_);
  about.exec();
}

QIcon programIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 256}) {
    icon.addFile(QStringLiteral(":/icons/lexiquarium-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace lexi
