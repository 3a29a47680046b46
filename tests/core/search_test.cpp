#include "match/search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/test_support.h"

namespace lexi {
namespace {

using testing_only::CollectingSink;
using testing_only::RecordingNotifier;
using testing_only::ScratchDirectory;
using Lines = std::vector<std::string>;

class Search : public testing::Test {
 protected:
  void load(const std::string& content) {
    RecordingNotifier loadNotifier;
    ASSERT_TRUE(list_.load(dir_.write("words.txt", content).c_str(), loadNotifier));
    ASSERT_TRUE(keys_.build(list_, loadNotifier));
  }
  Lines find(const char* query, SearchOutcome expected = SearchOutcome::kDone) {
    CollectingSink sink;
    EXPECT_EQ(searchWords(list_, &keys_, query, sink, notifier_), expected) << query;
    return sink.lines;
  }

  ScratchDirectory dir_;
  WordList list_;
  SoundIndex keys_;
  RecordingNotifier notifier_;
};

const char* const kWords =
    "phone n. a device\n"
    "fone\n"
    "phoneme n. a sound\n"
    "\n"
    "Knight n. a soldier\n"
    "night n. dark\n"
    "phone v. to call\n"
    "x\n"
    "cat\n"
    "CUT\n"
    "123\n";

TEST_F(Search, FindsTheLinesInFileOrder) {
  load(kWords);
  struct Case {
    const char* query;
    Lines lines;
  } cases[] = {
      {"fone", {"phone n. a device", "fone", "phone v. to call"}},
      {"FONE", {"phone n. a device", "fone", "phone v. to call"}},
      {"nite whatever", {"Knight n. a soldier", "night n. dark"}},
      {"ph*ne", {"phone n. a device", "phone v. to call"}},
      {"PH*NE", {"phone n. a device", "phone v. to call"}},
      {"c?t", {"cat", "CUT"}},
      {"?", {"x"}},
      {"*",
       {"phone n. a device", "fone", "phoneme n. a sound", "", "Knight n. a soldier",
        "night n. dark", "phone v. to call", "x", "cat", "CUT", "123"}},
      {"123", {}},
      {" phone", {}},
      {"   ", {}},
      {"zzz?", {}},
      {"z*********", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(find(c.query), c.lines) << "query '" << c.query << "'";
  EXPECT_TRUE(notifier_.warnings.empty());
}

// Without an index the search computes the keys as it goes: a caller that skips
// the index to start faster must still get the same lines.
TEST_F(Search, WithoutAnIndexFindsTheSameLines) {
  load(kWords);
  for (const char* query : {"fone", "nite", "KNIGHT", "kat", "ph*ne", "*", "123"}) {
    CollectingSink sink;
    searchWords(list_, nullptr, query, sink, notifier_);
    EXPECT_EQ(sink.lines, find(query)) << query;
  }
}

TEST_F(Search, TooManyStarsWarnsOnceAndStops) {
  load(kWords);
  EXPECT_EQ(find("*********", SearchOutcome::kTooManyStars), Lines{});
  EXPECT_EQ(notifier_.warnings, Lines{"Too many *"});
}

TEST_F(Search, TooManyStarsWarnsAtTheFirstLineThatReachesTheNinthStar) {
  load("abc\nxyz\n");
  EXPECT_EQ(find("x*********", SearchOutcome::kTooManyStars), Lines{});
  EXPECT_EQ(notifier_.warnings, Lines{"Too many *"});
}

TEST_F(Search, EmptyListFindsNothingAndWarnsOfNothing) {
  load("");
  EXPECT_EQ(find("*********"), Lines{});
  EXPECT_EQ(find("fone"), Lines{});
  EXPECT_TRUE(notifier_.warnings.empty());
}

}  // namespace
}  // namespace lexi
