// The dialog's control interfaces implemented with Qt widgets.
#pragma once

#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QValidator>
#include <vector>

#include "ui/controls.h"
#include "ui/qt/list_text.h"

namespace lexi {

// Lower-cases A to Z as they are typed or pasted into the word field.
class LowerCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

class QtWordField : public WordField {
 public:
  QtWordField(QComboBox& combo, const ListText& text) : combo_(combo), text_(text) {}

  std::string text() const override;
  void setText(std::string_view text) override;
  std::string itemText(int index) const override;
  int deleteItem(int index) override;
  int insertTop(std::string_view text) override;
  void setCurrentItem(int index) override;
  int itemCount() const override { return combo_.count(); }
  void selectAll() override;
  void setFocus() override;

 private:
  QComboBox& combo_;
  const ListText& text_;
};

// The result lines as pointers to texts that outlive the list: nothing is copied
// and, with uniform item sizes, nothing is laid out line by line, so a million
// results show at once. Appended lines become visible at publish().
class ResultModel : public QAbstractListModel {
 public:
  explicit ResultModel(const ListText& text) : text_(text) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  void clear();
  void append(const char* text) { lines_.push_back(text); }
  void publish();
  int size() const { return static_cast<int>(lines_.size()); }
  const char* line(int row) const { return lines_[static_cast<std::size_t>(row)]; }

 private:
  const ListText& text_;
  std::vector<const char*> lines_;
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

class QtResultList : public ResultList {
 public:
  QtResultList(ResultModel& model, QListView& view) : model_(model), view_(view) {}

  void appendLine(const char* text) override { model_.append(text); }
  void clear() override { model_.clear(); }
  int count() const override { return model_.size(); }
  int selectedIndex() const override;
  std::string_view lineText(int index) const override { return model_.line(index); }

 private:
  ResultModel& model_;
  QListView& view_;
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
  explicit QtClipboard(const ListText& text) : text_(text) {}
  void setText(std::string_view text) override;

 private:
  const ListText& text_;
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
