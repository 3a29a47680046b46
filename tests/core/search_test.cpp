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

const char* const kWords =
    "phone n. a device\nfone\nphoneme n. a sound\n\nKnight n. a soldier\nnight n. dark\n"
    "phone v. to call\nx\ncat\nCUT\n123\n";

// Every query with the sound index built over the list and without it (a caller
// that skips the index to start faster must get the same lines), and on an empty
// list.
TEST(Search, FindsTheLinesInFileOrder) {
  ScratchDirectory dir;
  RecordingNotifier loadNotifier;
  WordList list, empty;
  SoundIndex index, emptyIndex;
  ASSERT_TRUE(list.load(dir.write("words.txt", kWords).c_str(), loadNotifier));
  ASSERT_TRUE(index.build(list, loadNotifier));
  ASSERT_EQ(index.count(), list.count());
  ASSERT_TRUE(empty.load(dir.write("empty.txt", "").c_str(), loadNotifier));
  ASSERT_TRUE(emptyIndex.build(empty, loadNotifier));
  const Lines phones = {"phone n. a device", "fone", "phone v. to call"};
  const Lines all = {"phone n. a device",
                     "fone",
                     "phoneme n. a sound",
                     "",
                     "Knight n. a soldier",
                     "night n. dark",
                     "phone v. to call",
                     "x",
                     "cat",
                     "CUT",
                     "123"};
  struct Case {
    const char* query;
    Lines lines;
    bool tooManyStars;
  } cases[] = {
      {"fone", phones, false},
      {"FONE", phones, false},
      {"nite whatever", {"Knight n. a soldier", "night n. dark"}, false},
      {"ph*ne", {"phone n. a device", "phone v. to call"}, false},
      {"PH*NE", {"phone n. a device", "phone v. to call"}, false},
      {"c?t", {"cat", "CUT"}, false},
      {"?", {"x"}, false},
      {"*", all, false},
      {"123", {}, false},
      {" phone", {}, false},
      {"zzz?", {}, false},
      {"z*********", {}, false},
      {"*********", {}, true},
      {"p*********", {}, true},  // warned at the first line that reaches the ninth star
  };
  for (const Case& c : cases) {
    for (const SoundIndex* keys : {&index, static_cast<SoundIndex*>(nullptr)}) {
      CollectingSink sink;
      RecordingNotifier notifier;
      const SearchOutcome outcome = searchWords(list, keys, c.query, sink, notifier);
      EXPECT_EQ(sink.lines, c.lines) << "query '" << c.query << "'";
      EXPECT_EQ(outcome == SearchOutcome::kTooManyStars, c.tooManyStars) << c.query;
      EXPECT_EQ(notifier.warnings, c.tooManyStars ? Lines{"Too many *"} : Lines{}) << c.query;
    }
    CollectingSink sink;
    RecordingNotifier notifier;
    EXPECT_EQ(searchWords(empty, &emptyIndex, c.query, sink, notifier), SearchOutcome::kDone);
    EXPECT_TRUE(sink.lines.empty() && notifier.warnings.empty()) << "nothing on an empty list";
  }
}

}  // namespace
}  // namespace lexi
