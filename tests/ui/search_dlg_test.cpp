#include "ui/search_dlg.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "tests/core/test_support.h"
#include "tests/ui/fake_controls.h"

namespace lexi {
namespace {

using namespace testing_only;
using Lines = std::vector<std::string>;

const char* const kWords =
    "phone n. a device\n"
    "fone\n"
    "\n"
    "cat\n"
    "phone v. to call\n";

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
    field_.type(query);
    dlg_.OnGo();
    return results_.texts();
  }

  ScratchDirectory dir_;
  WordList words_;
  SoundIndex keys_;
  FakeWordField field_;
  FakeButton go_{true};
  FakeButton copy_{true};
  FakeResultList results_{go_, copy_};
  FakeClipboard clipboard_;
  FakeMessages messages_;
  FakeStarter starter_;
  FakeAboutBox about_;
  CSearchDlg dlg_{{field_, results_, go_, copy_, clipboard_, messages_},
                  words_,
                  keys_,
                  starter_,
                  about_,
                  "lexiquarium"};
};

TEST_F(SearchDlgTest, OpensWithAnEmptyFocusedFieldAndCopyDisabled) {
  EXPECT_EQ(field_.text(), "");
  EXPECT_TRUE(field_.focused);
  EXPECT_FALSE(copy_.enabled);
  EXPECT_TRUE(go_.enabled);
}

TEST_F(SearchDlgTest, FindShowsResultsGuidanceOrNothingFound) {
  struct Case {
    const char* query;
    Lines lines;
    std::size_t historySize;
  } cases[] = {
      {"fone", {"phone n. a device", "fone", "phone v. to call"}, 1},
      {"*", {"phone n. a device", "fone", "", "cat", "phone v. to call"}, 2},
      {"", kGuidance, 2},                  // the history is not touched
      {"   ", {"Nothing was found."}, 3},  // blanks are searched, and kept
      {"123", {"Nothing was found."}, 4},  // no sound key
      {"dog", {"Nothing was found."}, 5},
      {"c?t", {"cat"}, 6},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(find(c.query), c.lines) << '"' << c.query << '"';
    EXPECT_EQ(field_.items.size(), c.historySize) << '"' << c.query << '"';
    EXPECT_EQ(field_.text(), c.query) << "the field keeps the query";
    EXPECT_TRUE(field_.wholeTextSelected && field_.focused) << '"' << c.query << '"';
    EXPECT_TRUE(go_.enabled);
    EXPECT_FALSE(copy_.enabled);
  }
  EXPECT_FALSE(results_.buttonsEnabledDuringAppend) << "Go and Copy stay disabled while searching";
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(SearchDlgTest, TooManyStarsWarnsThenSaysNothingWasFound) {
  EXPECT_EQ(find("*********"), Lines{"Nothing was found."});
  const std::vector<ShownMessage> expected = {
      {"Too many *", "Lexiquarium Error", MessageIcon::kExclamation}};
  EXPECT_EQ(messages_.shown, expected);
  EXPECT_TRUE(go_.enabled);
}

TEST_F(SearchDlgTest, FindClearsTheSelectionAndDisablesCopy) {
  find("*");
  results_.selected = 1;
  dlg_.OnSelchangeResults();
  ASSERT_TRUE(copy_.enabled);
  find("fone");
  EXPECT_FALSE(copy_.enabled);
  dlg_.OnCopy();
  EXPECT_FALSE(clipboard_.content.has_value()) << "no line is selected after a find";
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
      {"every duplicate goes", {"x", "a", "A", "y", "a"}, "a", {"a", "x", "y"}},
      {"already on top", {"a", "b"}, "a", {"a", "b"}},
  };
  for (const Case& c : cases) {
    field_.items = c.before;
    dlg_.AddToHistory(c.query);
    EXPECT_EQ(field_.items, c.after) << c.name;
    EXPECT_EQ(field_.text(), c.query) << c.name << ": item 0 becomes the current item";
  }
}

TEST_F(SearchDlgTest, HistoryPushesTheOldestOutAfterTwenty) {
  field_.items.clear();
  for (int i = 1; i <= 21; ++i) find("q" + std::to_string(i));
  ASSERT_EQ(field_.items.size(), 20u);
  EXPECT_EQ(field_.items.front(), "q21");
  EXPECT_EQ(field_.items.back(), "q2");
  find("q10");
  EXPECT_EQ(field_.items.size(), 20u) << "a repeated query does not grow the history";
  EXPECT_EQ(field_.items.front(), "q10");
}

TEST_F(SearchDlgTest, HistoryFailuresNeitherLoopNorTrim) {
  field_.items = Lines(20, "other");
  field_.items[3] = "dup";
  field_.failDeletes = true;  // a failed delete must end the duplicate removal
  dlg_.AddToHistory("dup");
  EXPECT_EQ(field_.items.size(), 21u) << "the trim's own delete fails too";
  EXPECT_EQ(field_.items.front(), "dup");

  field_.failDeletes = false;
  field_.noRoom = true;
  field_.items = Lines(21, "old");
  dlg_.AddToHistory("new");
  EXPECT_EQ(field_.items, Lines(21, "old")) << "no room: no insert and no trim";
}

TEST_F(SearchDlgTest, CopyPutsTheWholeFirstWordOnTheClipboard) {
  const std::string longWord(300, 'w');
  const std::string longLine = longWord + " " + std::string(500, 'n');
  struct Case {
    std::string line;
    std::string copied;
  } cases[] = {
      {"phone n. a device", "phone"},
      {"word", "word"},
      {" leading blank", ""},
      {"", ""},
      {"tab\tis not a blank", "tab\tis"},
      {"Nothing was found.", "Nothing"},
      {longLine, longWord},  // neither a 200- nor a 100-byte limit cuts it
      {longWord, longWord},
  };
  for (const Case& c : cases) {
    results_.clear();
    results_.appendLine(c.line.c_str());
    results_.selected = 0;
    clipboard_.content.reset();
    dlg_.OnCopy();
    EXPECT_EQ(clipboard_.content, c.copied) << '"' << c.line << '"';
  }
}

TEST_F(SearchDlgTest, CopyAndDoubleClickWithoutSelectionLeaveTheClipboard) {
  find("fone");
  clipboard_.content = "before";
  dlg_.OnCopy();
  EXPECT_EQ(clipboard_.content, "before");

  field_.type("typed");
  dlg_.OnDblclkResults();
  EXPECT_EQ(clipboard_.content, "before");
  EXPECT_TRUE(field_.wholeTextSelected && field_.focused);
}

TEST_F(SearchDlgTest, DoubleClickCopiesAndReturnsToTheField) {
  find("fone");
  results_.selected = 2;
  field_.type("next");
  dlg_.OnDblclkResults();
  EXPECT_EQ(clipboard_.content, "phone");
  EXPECT_TRUE(field_.wholeTextSelected && field_.focused);
}

TEST_F(SearchDlgTest, SelectionChangeEnablesCopyOnlyWithASelection) {
  find("fone");
  dlg_.OnSelchangeResults();
  EXPECT_FALSE(copy_.enabled);
  results_.selected = 0;
  dlg_.OnSelchangeResults();
  EXPECT_TRUE(copy_.enabled);
}

TEST_F(SearchDlgTest, ExitChecksTheLengthOfTheWordField) {
  struct Case {
    std::size_t length;
    bool closes;
  } cases[] = {{0, true}, {1000, true}, {1001, false}, {5000, false}};
  for (const Case& c : cases) {
    messages_.shown.clear();
    field_.type(std::string(c.length, 'a'));
    EXPECT_EQ(dlg_.OnOK(), c.closes) << c.length;
    EXPECT_EQ(dlg_.m_strWord.size(), c.length);
    if (c.closes) {
      EXPECT_TRUE(messages_.shown.empty()) << c.length;
    } else {
      const std::vector<ShownMessage> expected = {
          {"Please enter no more than 1000 characters.", "lexiquarium", MessageIcon::kExclamation}};
      EXPECT_EQ(messages_.shown, expected) << c.length;
      EXPECT_TRUE(field_.focused) << "the focus goes back to the field";
    }
  }
}

TEST_F(SearchDlgTest, AboutAndHelpRunTheirCommands) {
  dlg_.OnAboutButton();
  dlg_.OnAboutButton();
  EXPECT_EQ(about_.runs, 2);

  dlg_.OnHelpButton();
  EXPECT_EQ(starter_.started, Lines{"xdg-open Lexiquarium.html"});
  EXPECT_TRUE(messages_.shown.empty());

  starter_.error = ENOENT;
  dlg_.OnHelpButton();
  const std::vector<ShownMessage> expected = {
      {"Cannot run Hypertext Help program 'xdg-open': No such file or directory.",
       "Lexiquarium Error", MessageIcon::kExclamation}};
  EXPECT_EQ(messages_.shown, expected);
}

}  // namespace
}  // namespace lexi
