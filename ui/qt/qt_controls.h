// What the Qt search window is made of besides stock widgets, and the
// program's message boxes and settings.
#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QListView>
#include <QSettings>
#include <QValidator>
#include <string>

#include "ui/controls.h"
#include "ui/search_dlg.h"
#include "wordlist/text_conversion.h"

namespace lexi {

// The list's bytes shown as a QString, written straight into it; and typed text
// as the list's bytes, a 0x1A for each character the list cannot hold.
QString shownText(const ListCodec& codec, std::string_view bytes);
std::string listBytes(const ListCodec& codec, const QString& text);

// Lower-cases A to Z as they are typed or pasted into the word field.
class LowerCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

// The result rows, drawn from the dialog's lines as the view asks for them:
// nothing is copied and, with uniform item sizes, nothing is laid out line by
// line, so a million results show at once.
class ResultModel : public QAbstractListModel {
 public:
  // `dlg` may be made after the model, before the first row is shown.
  ResultModel(const ListCodec& codec, const CSearchDlg& dlg) : codec_(codec), dlg_(dlg) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // Shows `count` rows in place of those shown.
  void showRows(int count);

 private:
  const ListCodec& codec_;
  const CSearchDlg& dlg_;
  int shown_ = 0;  // the rows the views know of
};

// Emits doubleClickedAnywhere for a double-click on a line or on the empty
// space below the lines alike. While no line is selected, the first arrow key,
// Home or End selects one: Qt would only move its current line, which a list
// entered by Tab already has on the first line, so that Down skipped it and a
// list of one line could not be selected from the keyboard at all.
class ResultView : public QListView {
  Q_OBJECT
 public:
  using QListView::QListView;

 signals:
  void doubleClickedAnywhere();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// The user's settings file: ~/.config/Lexiquarium/Lexiquarium.conf, or the same
// under $XDG_CONFIG_HOME.
class QtPreferences : public Preferences {
 public:
  QtPreferences() : settings_(QStringLiteral("Lexiquarium"), QStringLiteral("Lexiquarium")) {}
  bool readFlag(std::string_view name, bool fallback) const override;
  void writeFlag(std::string_view name, bool value) override;

 private:
  QSettings settings_;
};

class QtMessageDisplay : public MessageDisplay {
 public:
  void show(const std::string& text, const std::string& title, MessageIcon icon) override;
};

// The program's icon, from the resources.
QIcon programIcon();

}  // namespace lexi
