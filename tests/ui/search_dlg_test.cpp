#include "ui/search_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/core/test_support.h"
#include "tests/ui/fake_controls.h"
#include "ui/program.h"

namespace lexi {
namespace {

using namespace testing_only;
using Lines = std::vector<std::string>;

const char* const kWords = "phone n. a device\nfone\n\ncat\nphone v. to call\n";
const Lines kGuidance = {"Please type a word above.",
                         "Wild cards (* and ?) are useful.",
                         "'?' substitutes for exactly one letter.",
                         "'*' substitutes for any number of letters,",
                         "including no letter.",
                         "",
                         "If no wild card is used, the search will be",
                         "by matching sounds."};

class SearchDlgTest : public testing::Test {
 protected:
  SearchDlgTest() {
    RecordingNotifier loadNotifier;
    EXPECT_TRUE(words_.load(dir_.write("words.txt", kWords).c_str(), loadNotifier));
    EXPECT_TRUE(keys_.build(words_, loadNotifier));
    dlg_.OnInitDialog();
  }

  // Types `query` and presses Go.
  Lines find(const std::string& query) {
    view_.type(query);
    dlg_.OnGo();
    return shown(dlg_);
  }

  // The rows the result list shows, as the dialog gives their texts.
  Lines shown(const CSearchDlg& dlg) const {
    Lines lines;
    for (int row = 0; row < view_.rows; ++row) lines.emplace_back(dlg.rowText(row));
    return lines;
  }

  ScratchDirectory dir_;
  WordList words_;
  SoundIndex keys_;
  FakeView view_;
  FakeMessages messages_;
  FakePreferences preferences_;
  FakeStarter starter_;
  CSearchDlg dlg_{view_,         messages_, preferences_, starter_,
                  "lexiquarium", words_,    keys_,        TextEncoding::kSingleByte};
};

TEST_F(SearchDlgTest, FindShowsResultsGuidanceOrNothingFound) {
  const std::vector<ShownMessage> tooMany = {
      {"Too many *", "Lexiquarium Error", MessageIcon::kExclamation}};
  struct Case {
    const char* query;
    Lines lines;
    std::size_t historySize;
    std::vector<ShownMessage> shown;
  } cases[] = {
      {"fone", {"phone n. a device", "fone", "phone v. to call"}, 1, {}},
      {"*", {"phone n. a device", "fone", "", "cat", "phone v. to call"}, 2, {}},
      {"", kGuidance, 2, {}},                  // the history is not touched
      {"   ", {"Nothing was found."}, 3, {}},  // blanks are searched, and kept
      {"123", {"Nothing was found."}, 4, {}},  // no sound key
      {"dog", {"Nothing was found."}, 5, {}},
      {"c?t", {"cat"}, 6, {}},
      {"*********", {"Nothing was found."}, 7, tooMany},
  };
  for (const Case& c : cases) {
    messages_.shown.clear();
    EXPECT_EQ(find(c.query), c.lines) << '"' << c.query << '"';
    EXPECT_EQ(view_.items.size(), c.historySize) << '"' << c.query << '"';
    EXPECT_EQ(messages_.shown, c.shown) << '"' << c.query << '"';
    EXPECT_EQ(view_.wordText(), c.query) << "the field keeps the query";
    EXPECT_TRUE(view_.wholeTextSelected && view_.focused) << '"' << c.query << '"';
    EXPECT_TRUE(view_.goEnabled);
    EXPECT_FALSE(view_.copyEnabled);
  }
}

TEST_F(SearchDlgTest, AListWithoutRoomForTheLinesFoundShowsNoneAndSaysSo) {
  view_.room = 2;
  EXPECT_EQ(find("fone"), Lines{});
  EXPECT_EQ(messages_.shown,
            (std::vector<ShownMessage>{
                {"The list cannot show the 3 lines found. Please narrow the search.",
                 "Lexiquarium Error", MessageIcon::kExclamation}}));
  EXPECT_EQ(dlg_.rowCount(), 0) << "nothing left to copy";
  EXPECT_EQ(find("c?t"), Lines{"cat"});
}

// The queries "q<to>" down to "q<from>", most recent first, or with `first`
// moved to the top.
Lines queries(int to, int from, const std::string& first = "") {
  Lines items;
  for (int i = to; i >= from; --i) items.push_back("q" + std::to_string(i));
  if (std::erase(items, first) > 0) items.insert(items.begin(), first);
  return items;
}

TEST_F(SearchDlgTest, HistoryKeepsTheLastTwentyQueriesMostRecentFirst) {
  struct Case {
    const char* name;
    Lines before;
    std::string query;
    Lines after;
  } cases[] = {
      {"new query goes on top", {"b", "a"}, "c", {"c", "b", "a"}},
      {"repeat moves to the top", {"c", "b", "a"}, "a", {"a", "c", "b"}},
      {"repeat ignoring case", {"c", "B", "a"}, "b", {"b", "c", "a"}},
      {"only A-Z fold", {"\xc9", "a"}, "\xe9", {"\xe9", "\xc9", "a"}},
      {"every duplicate goes", {"x", "a", "A", "y", "a"}, "a", {"a", "x", "y"}},
      {"already on top", {"a", "b"}, "a", {"a", "b"}},
      {"the oldest goes after twenty", queries(20, 1), "q21", queries(21, 2)},
      {"a repeat does not grow it", queries(20, 1), "q10", queries(20, 1, "q10")},
      {"restored, the newest twenty kept", queries(30, 1), "q31", queries(31, 12)},
  };
  for (const Case& c : cases) {
    dlg_.restoreHistory(c.before);
    const Lines restored(c.before.begin(), c.before.begin() + static_cast<long>(std::min(
                                                                  c.before.size(), kHistorySize)));
    EXPECT_EQ(view_.items, restored) << c.name << ": the newest twenty restored";
    dlg_.AddToHistory(c.query);
    EXPECT_EQ(dlg_.history(), c.after) << c.name;
    EXPECT_EQ(view_.items, c.after) << c.name << ": the field shows it";
    EXPECT_EQ(view_.wordText(), c.after[0]) << c.name << ": the field shows the newest";
  }
}

TEST_F(SearchDlgTest, CopyPutsTheWholeFirstWordOfTheSelectedLineOnTheClipboard) {
  const std::string longWord(300, 'w');
  const std::string longLine = longWord + " " + std::string(500, 'n');
  struct Case {
    std::string line;
    int selected;
    std::string copied;
  } cases[] = {
      {"phone n. a device", 0, "phone"},
      {"word", 0, "word"},
      {" leading blank", 0, ""},
      {"", 0, ""},
      {"tab\tis not a blank", 0, "tab\tis"},
      {longLine, 0, longWord},  // neither a 200- nor a 100-byte limit cuts it
      {longWord, 0, longWord},
      {"phone n. a device", -1, "before"},  // no selection: the clipboard stays
  };
  for (const Case& c : cases) {
    const std::string list = c.line + "\n";
    WordList words;
    SoundIndex keys;
    RecordingNotifier notifier;
    ASSERT_TRUE(words.load(dir_.write("one.txt", list).c_str(), notifier));
    ASSERT_TRUE(keys.build(words, notifier));
    CSearchDlg dlg{view_,         messages_, preferences_, starter_,
                   "lexiquarium", words,     keys,         TextEncoding::kSingleByte};
    view_.type("*");
    dlg.OnGo();
    dlg.OnSelchangeResults(c.selected);
    for (const bool doubleClick : {false, true}) {
      view_.clipboard = "before";
      view_.type("typed");
      doubleClick ? dlg.OnDblclkResults() : dlg.OnCopy();
      EXPECT_EQ(view_.clipboard, c.copied) << '"' << c.line << '"';
      EXPECT_EQ(view_.wholeTextSelected && view_.focused, doubleClick)
          << "a double-click returns to the field, Copy does not";
    }
  }
}

TEST_F(SearchDlgTest, CopyIsEnabledOnlyWhileALineIsSelected) {
  EXPECT_TRUE(view_.wordText().empty() && view_.focused && view_.goEnabled)
      << "as the dialog opens";
  EXPECT_FALSE(view_.copyEnabled);
  find("fone");
  for (const int outside : {-1, 3}) {
    dlg_.OnSelchangeResults(outside);
    EXPECT_FALSE(view_.copyEnabled) << outside;
    EXPECT_EQ(dlg_.selectedRow(), -1) << outside;
  }
  dlg_.OnSelchangeResults(2);
  EXPECT_TRUE(view_.copyEnabled);
  find("fone");
  EXPECT_FALSE(view_.copyEnabled);
  EXPECT_EQ(dlg_.selectedRow(), -1) << "a find clears the selection";
}

// `count` times `text`.
std::string times(std::size_t count, const std::string& text) {
  std::string all;
  for (std::size_t i = 0; i < count; ++i) all += text;
  return all;
}

TEST_F(SearchDlgTest, ExitChecksTheLengthOfTheWordFieldInCharacters) {
  const std::vector<ShownMessage> tooLong = {
      {"Please enter no more than 1000 characters.", "lexiquarium", MessageIcon::kExclamation}};
  CSearchDlg utf8Dlg{view_,         messages_, preferences_, starter_,
                     "lexiquarium", words_,    keys_,        TextEncoding::kUtf8};
  const std::string eAcute = "\xc3\xa9";  // two bytes, one character of a UTF-8 list
  const struct {
    bool utf8;
    std::string text;
    bool closes;
  } cases[] = {
      {false, times(1000, "a"), true},    {false, times(1001, "a"), false},
      {false, times(600, eAcute), false},  // each byte is a character
      {true, times(1000, eAcute), true},  {true, times(1001, eAcute), false},
  };
  for (const auto& c : cases) {
    CSearchDlg& dlg = c.utf8 ? utf8Dlg : dlg_;
    messages_.shown.clear();
    view_.type(c.text);
    EXPECT_EQ(dlg.OnOK(), c.closes) << c.text.size() << " bytes";
    EXPECT_EQ(dlg.m_strWord, c.text);
    EXPECT_EQ(messages_.shown, c.closes ? std::vector<ShownMessage>{} : tooLong);
    EXPECT_EQ(view_.focused && view_.wholeTextSelected, !c.closes) << "back to the field, selected";
  }
}

TEST_F(SearchDlgTest, TheExitStatusTellsWhetherTheDialogCouldBeShown) {
  const std::filesystem::path saved = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  dir_.write(WordList::kFileName, kWords);
  const struct {
    bool shown;
    const char* reason;
    int status;
    std::string message;
  } cases[] = {
      {true, "", 0, ""},
      {false, "Not enough memory.", 1, "The search dialog cannot be shown: Not enough memory."},
      {false, "", 1, "The search dialog cannot be shown."},
  };
  for (const auto& c : cases) {
    messages_.shown.clear();
    const int status = runProgram(
        messages_, [] {},
        [&](const WordList&, const SoundIndex&, TextEncoding) {
          return DialogOutcome{c.shown, c.reason};
        });
    EXPECT_EQ(status, c.status) << c.message;
    const std::vector<ShownMessage> shown = {{c.message, "Lexiquarium Error", MessageIcon::kError}};
    EXPECT_EQ(messages_.shown, c.message.empty() ? std::vector<ShownMessage>{} : shown);
  }
  std::filesystem::current_path(saved);
}

TEST_F(SearchDlgTest, HelpStartsItsViewerOrSaysWhyNot) {
  // Help runs in the directory that should hold its page; without it, nothing starts.
  const std::filesystem::path saved = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  const std::string page = dir_.path().string() + "/Lexiquarium.html";
  const std::pair<int, std::string> cases[] = {
      // the start's error (-1: no page), the message
      {0, ""},
      {ENOENT, "Cannot run Hypertext Help program 'xdg-open': No such file or directory."},
      {-1, "Cannot open help file '" + page + "': No such file or directory."}};
  for (const auto& [error, message] : cases) {
    if (error < 0)
      std::filesystem::remove(page);
    else
      dir_.write("Lexiquarium.html", "");
    starter_.started.clear();
    starter_.error = error;
    messages_.shown.clear();
    dlg_.OnHelpButton();
    EXPECT_EQ(starter_.started, error < 0 ? Lines{} : Lines{"xdg-open Lexiquarium.html"});
    const std::vector<ShownMessage> shown = {
        {message, "Lexiquarium Error", MessageIcon::kExclamation}};
    EXPECT_EQ(messages_.shown, message.empty() ? std::vector<ShownMessage>{} : shown);
  }
  std::filesystem::current_path(saved);
}

// The "closest first" mode over a list of its own, on which more lines sound like
// "fone" than a near search lists.
class ClosestFirstTest : public SearchDlgTest {
 protected:
  ClosestFirstTest() {
    std::string text = "phone n. a device\n";
    for (int i = 1; i <= 22; ++i) text += "fone " + std::to_string(i) + "\n";
    text += "fan n. a device\n";
    RecordingNotifier notifier;
    EXPECT_TRUE(nearWords_.load(dir_.write("near.txt", text).c_str(), notifier));
    EXPECT_TRUE(nearKeys_.build(nearWords_, notifier));
  }

  WordList nearWords_;
  SoundIndex nearKeys_;
  CSearchDlg closest_{view_,         messages_,  preferences_, starter_,
                      "lexiquarium", nearWords_, nearKeys_,    TextEncoding::kSingleByte};
};

TEST_F(ClosestFirstTest, TheChoiceIsOffUntilFlippedAndKept) {
  const std::pair<std::optional<bool>, bool> cases[] = {
      // what is stored, how the toggle opens
      {std::nullopt, false},
      {false, false},
      {true, true},
  };
  for (const auto& [stored, opens] : cases) {
    preferences_.flags.clear();
    if (stored) preferences_.flags[kClosestFirstSetting] = *stored;
    view_.checked = !opens;
    closest_.OnInitDialog();
    EXPECT_EQ(view_.checked, opens) << stored.value_or(opens);
    view_.checked = !opens;  // the user flips it
    closest_.OnClosestFirst();
    EXPECT_EQ(preferences_.flags, (std::map<std::string, bool>{{kClosestFirstSetting, !opens}}));
  }
}

TEST_F(ClosestFirstTest, OnAWordListsTheNearLinesBestFirstElseFindsAsBefore) {
  struct Case {
    bool on;
    const char* query;
    const char* firstWord;
    std::size_t lines;
    bool tooMany = false;
  } cases[] = {
      {true, "fan", "fan", kNearResults},  // the equal word first, though last in the list
      {true, "FONE", "fone", kNearResults},
      {true, "strawberry", "Nothing", 1},
      {true, "123", "Nothing", 1},
      {true, "f*", "fone", 23},  // a pattern lists every match, in list order
      {true, "*********", "Nothing", 1, true},
      {false, "fan", "phone", 24},  // every line that sounds alike, in list order
  };
  closest_.OnInitDialog();
  for (const Case& c : cases) {
    view_.checked = c.on;
    messages_.shown.clear();
    view_.type(c.query);
    closest_.OnGo();
    const Lines lines = shown(closest_);
    ASSERT_EQ(lines.size(), c.lines) << c.query;
    EXPECT_EQ(lines[0].substr(0, lines[0].find(' ')), c.firstWord) << c.query;
    EXPECT_EQ(messages_.shown.size(), c.tooMany ? 1u : 0u) << c.query;
    EXPECT_EQ(closest_.history()[0], c.query) << "in the history";
    EXPECT_TRUE(view_.goEnabled && !view_.copyEnabled && view_.focused && view_.wholeTextSelected);
  }
}

// Run by the ui_near_memory_refused test with tests/cli/failalloc.c preloaded,
// which refuses the LEXI_FAIL_NTH-th block of LEXI_FAIL_MIN to LEXI_FAIL_MAX
// bytes: here the near index's, 37 bytes for each of the list's 24 lines.
TEST_F(ClosestFirstTest, WithoutMemoryForTheNearIndexItSaysSoAndFindsBySound) {
  if (std::getenv("LEXI_FAIL_MIN") == nullptr) GTEST_SKIP() << "needs failalloc preloaded";
  setenv("LEXI_FAIL_NTH", "1", 1);
  view_.checked = true;
  view_.type("fan");
  closest_.OnGo();
  const Lines lines = shown(closest_);
  // Every line that sounds alike, in list order.
  EXPECT_TRUE(lines.size() == 24 && lines[0] == "phone n. a device") << lines.size();
  const std::vector<ShownMessage> refused = {{"Cannot get memory (888 bytes) for the near search.",
                                              "Lexiquarium Error", MessageIcon::kExclamation}};
  EXPECT_EQ(messages_.shown, refused);
}

}  // namespace
}  // namespace lexi
