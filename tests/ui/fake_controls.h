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

// The window as the user sees it: what the dialog showed in it.
class FakeView : public SearchView {
 public:
  std::string wordText() const override { return text_; }
  void setWordText(std::string_view text) override { text_ = text; }
  void showHistory(const std::vector<std::string>& shown) override { items = shown; }
  void selectWord() override { wholeTextSelected = true; }
  void focusWord() override { focused = true; }
  // Shows at most `room` rows.
  bool showRows(int count) override {
    const bool fits = count <= room;
    rows = fits ? count : 0;
    return fits;
  }
  void enable(Command command, bool on) override {
    (command == Command::kGo ? goEnabled : copyEnabled) = on;
  }
  void copyText(std::string_view text) override { clipboard = std::string(text); }
  bool closestFirst() const override { return checked; }
  void setClosestFirst(bool on) override { checked = on; }
  void runAbout() override {}

  // What the user does: typing replaces the selection, here the whole text.
  void type(std::string_view text) {
    text_ = text;
    wholeTextSelected = false;
    focused = false;
  }

  std::vector<std::string> items;
  bool wholeTextSelected = false;
  bool focused = false;
  int rows = 0;
  int room = 1000000;
  bool goEnabled = true;
  bool copyEnabled = true;
  std::optional<std::string> clipboard;
  bool checked = false;

 private:
  std::string text_;
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
