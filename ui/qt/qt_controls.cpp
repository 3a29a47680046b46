#include "ui/qt/qt_controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

namespace lexi {

namespace {

QString settingName(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QString shownText(const ListCodec& codec, std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  text.resize(
      static_cast<qsizetype>(codec.toUtf16(bytes, reinterpret_cast<char16_t*>(text.data()))));
  return text;
}

std::string listBytes(const ListCodec& codec, const QString& text) {
  return codec
      .toList(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                  static_cast<std::size_t>(text.size())))
      .bytes;
}

QValidator::State LowerCaseValidator::validate(QString& input, int& /*pos*/) const {
  foldAZ(reinterpret_cast<char16_t*>(input.data()), static_cast<std::size_t>(input.size()));
  return Acceptable;
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
  return shownText(codec_, dlg_.rowText(index.row()));
}

void ResultModel::showRows(int count) {
  if (shown_ > 0) {
    beginResetModel();
    shown_ = 0;
    endResetModel();
  }
  // Rows inserted into an empty view cost it less than a reset with rows: with
  // uniform sizes it lays out nothing line by line.
  if (count > 0) {
    beginInsertRows(QModelIndex(), 0, count - 1);
    shown_ = count;
    endInsertRows();
  }
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

bool QtPreferences::readFlag(std::string_view name, bool fallback) const {
  return settings_.value(settingName(name), fallback).toBool();
}

void QtPreferences::writeFlag(std::string_view name, bool value) {
  settings_.setValue(settingName(name), value);
}

void QtMessageDisplay::show(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::kError ? QMessageBox::Critical : QMessageBox::Warning,
                  QString::fromLocal8Bit(title), QString::fromLocal8Bit(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

QIcon programIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 256}) {
    icon.addFile(QStringLiteral(":/icons/lexiquarium-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace lexi
