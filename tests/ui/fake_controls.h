// Controls of our own for driving CSearchDlg without a display. They behave like
// the real ones in what the dialog relies on and record what it did to them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/help_launcher.h"

namespace lexi::testing_only {

class FakeWordField : public WordField {
 public:
  std::string text() const override { return text_; }
  void setText(std::string_view text) override { text_ = text; }
  std::string itemText(int index) const override {
    return items.at(static_cast<std::size_t>(index));
  }
  int deleteItem(int index) override {
    if (failDeletes || index < 0 || index >= itemCount()) return -1;
    items.erase(items.begin() + index);
    return itemCount();
  }
  int insertTop(std::string_view text) override {
    if (noRoom) return kNoRoom;
    items.insert(items.begin(), std::string(text));
    return 0;
  }
  void setCurrentItem(int index) override {
    if (index >= 0 && index < itemCount()) text_ = items[static_cast<std::size_t>(index)];
  }
  int itemCount() const override { return static_cast<int>(items.size()); }
  void selectAll() override { wholeTextSelected = true; }
  void setFocus() override { focused = true; }

  // What the user does: typing replaces the selection, here the whole text.
  void type(std::string_view text) {
    text_ = text;
    wholeTextSelected = false;
    focused = false;
  }

  std::vector<std::string> items;
  bool failDeletes = false;
  bool noRoom = false;
  bool wholeTextSelected = false;
  bool focused = false;

 private:
  std::string text_;
};

class FakeButton : public Button {
 public:
  explicit FakeButton(bool initiallyEnabled) : enabled(initiallyEnabled) {}
  void setEnabled(bool on) override { enabled = on; }
  bool enabled;
};

// Records, for each line appended, whether Go and Copy were enabled at the time.
class FakeResultList : public ResultList {
 public:
  FakeResultList(const FakeButton& go, const FakeButton& copy) : go_(go), copy_(copy) {}

  void appendLine(const char* text) override {
    lines.push_back(text);
    if (go_.enabled || copy_.enabled) buttonsEnabledDuringAppend = true;
  }
  void clear() override {
    lines.clear();
    selected = -1;
  }
  int count() const override { return static_cast<int>(lines.size()); }
  int selectedIndex() const override { return selected; }
  std::string_view lineText(int index) const override {
    return lines[static_cast<std::size_t>(index)];
  }

  std::vector<std::string> texts() const { return {lines.begin(), lines.end()}; }

  std::vector<const char*> lines;
  int selected = -1;
  bool buttonsEnabledDuringAppend = false;

 private:
  const FakeButton& go_;
  const FakeButton& copy_;
};

class FakeClipboard : public Clipboard {
 public:
  void setText(std::string_view text) override { content = std::string(text); }
  std::optional<std::string> content;
};

class FakeToggle : public Toggle {
 public:
  bool isChecked() const override { return checked; }
  void setChecked(bool on) override { checked = on; }
  bool checked = false;
};

class FakePreferences : public Preferences {
 public:
  bool readFlag(std::string_view name, bool fallback) const override {
    const auto found = flags.find(std::string(name));
    return found == flags.end() ? fallback : found->second;
  }
  void writeFlag(std::string_view name, bool value) override { flags[std::string(name)] = value; }
  std::map<std::string, bool> flags;
};

struct ShownMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
  bool operator==(const ShownMessage&) const = default;
};

class FakeMessages : public MessageDisplay {
 public:
  void show(const std::string& text, const std::string& title, MessageIcon icon) override {
    shown.push_back({text, title, icon});
  }
  std::vector<ShownMessage> shown;
};

class FakeAboutBox : public AboutBox {
 public:
  void run() override { ++runs; }
  int runs = 0;
};

class FakeStarter : public ProcessStarter {
 public:
  int start(const char* program, const char* argument) override {
    started.emplace_back(std::string(program) + " " + argument);
    return error;
  }
  int error = 0;
  std::vector<std::string> started;
};

}  // namespace lexi::testing_only
