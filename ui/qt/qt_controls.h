// The dialog's control interfaces implemented with Qt widgets.
#pragma once

#include <QAbstractListModel>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QValidator>
#include <string>
#include <vector>

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

class QtWordField : public WordField {
 public:
  QtWordField(QComboBox& combo, const ListCodec& codec) : combo_(combo), codec_(codec) {}

  std::string text() const override;
  void setText(std::string_view text) override;
  void showHistory(const std::vector<std::string>& items) override;
  void selectAll() override { combo_.lineEdit()->selectAll(); }
  void setFocus() override { combo_.setFocus(Qt::OtherFocusReason); }

 private:
  QComboBox& combo_;
  const ListCodec& codec_;
};

// The result rows, drawn from the dialog's lines as the view asks for them:
// nothing is copied and, with uniform item sizes, nothing is laid out line by
// line, so a million results show at once.
class ResultModel : public QAbstractListModel, public ResultList {
 public:
  // `dlg` may be made after the model, before the first row is shown.
  ResultModel(const ListCodec& codec, const CSearchDlg& dlg) : codec_(codec), dlg_(dlg) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool showRows(int count) override;

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

class QtButton : public Button {
 public:
  explicit QtButton(QPushButton& button) : button_(button) {}
  void setEnabled(bool enabled) override { button_.setEnabled(enabled); }

 private:
  QPushButton& button_;
};

class QtToggle : public Toggle {
 public:
  explicit QtToggle(QCheckBox& box) : box_(box) {}
  bool isChecked() const override { return box_.isChecked(); }
  void setChecked(bool checked) override { box_.setChecked(checked); }

 private:
  QCheckBox& box_;
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

class QtClipboard : public Clipboard {
 public:
  explicit QtClipboard(const ListCodec& codec) : codec_(codec) {}
  void setText(std::string_view text) override {
    QGuiApplication::clipboard()->setText(shownText(codec_, text));
  }

 private:
  const ListCodec& codec_;
};

class QtMessageDisplay : public MessageDisplay {
 public:
  void show(const std::string& text, const std::string& title, MessageIcon icon) override;
};

class QtAboutBox : public AboutBox {
 public:
  explicit QtAboutBox(QIcon icon) : icon_(std::move(icon)) {}
  void run() override;

 private:
  QIcon icon_;
};

// The program's icon, from the resources.
QIcon programIcon();

}  // namespace lexi
