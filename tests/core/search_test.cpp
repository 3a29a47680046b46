#include "match/search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "match/loaded_list.h"
#include "tests/core/test_support.h"

namespace lexi {
namespace {

using testing_only::CollectingSink;
using testing_only::RecordingNotifier;
using testing_only::ScratchDirectory;
using Lines = std::vector<std::string>;

const char* const kWords =
    "phone n. a device\nfone\nphoneme n. a sound\n\nKnight n. a soldier\nnight n. dark\n"
    "phone v. to call\nx\ncat\nCUT\n123\ncaf\xc3\xa9\n";

// Every query with the sound index built over the list and without it (a caller
// that skips the index to start faster must get the same lines): on the list, on
// the list 50000 times over (long enough for the search to share it out between
// two threads), and on an empty list.
TEST(Search, FindsTheLinesInFileOrder) {
  ScratchDirectory dir;
  RecordingNotifier loadNotifier;
  std::string longList;
  for (int i = 0; i < 50000; ++i) longList += kWords;
  WordList lists[3];
  SoundIndex indexes[3];
  const std::string contents[3] = {kWords, longList, ""};
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(lists[i].load(dir.write("words.txt", contents[i]).c_str(), loadNotifier));
    ASSERT_TRUE(indexes[i].build(lists[i], loadNotifier));
    ASSERT_EQ(indexes[i].count(), lists[i].count());
  }
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
                     "123",
                     "caf\xc3\xa9"};
  struct Case {
    const char* query;
    Lines lines;
    bool tooManyStars;
  } cases[] = {
      {"fone", phones, false},
      {"FONE", phones, false},
      {"nite whatever", {"Knight n. a soldier", "night n. dark"}, false},
      {"kat", {"cat", "CUT"}, false},
      {"ph*ne", {"phone n. a device", "phone v. to call"}, false},
      {"PH*NE", {"phone n. a device", "phone v. to call"}, false},
      {"p*o*n*e", {"phone n. a device", "phoneme n. a sound", "phone v. to call"}, false},
      {"c?t", {"cat", "CUT"}, false},
      {"caf?", {"caf\xc3\xa9"}, false},  // a character of two bytes in a UTF-8 list
      {"?", {"x"}, false},
      {"*", all, false},
      {"123", {}, false},
      {" phone", {}, false},
      {"zzz?", {}, false},
      {"z*********", {}, false},
      {"*********", {}, true},
      {"p*********", {}, true},              // warned at the first line that reaches the ninth star
      {"ph*n*e* n*.*a*d*v*c*zz", {}, true},  // only the first line reaches it
  };
  for (const Case& c : cases) {
    for (int i = 0; i < 3; ++i) {
      Lines expected;
      for (int copies = i == 0 ? 1 : i == 1 ? 50000 : 0; copies > 0; --copies) {
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
      }
      for (const SoundIndex* keys : {&indexes[i], static_cast<SoundIndex*>(nullptr)}) {
        CollectingSink sink;
        RecordingNotifier notifier;
        const SearchOutcome outcome =
            searchWords(lists[i], detectEncoding(lists[i]), keys, c.query, sink, notifier);
        EXPECT_TRUE(sink.lines == expected) << "query '" << c.query << "' on list " << i;
        const bool warned = c.tooManyStars && i < 2;  // an empty list has no line to reach
        EXPECT_EQ(outcome == SearchOutcome::kStoppedByStars, warned) << c.query;
        EXPECT_EQ(notifier.warnings, warned ? Lines{"Too many *"} : Lines{}) << c.query;
      }
    }
  }
}

// Shared out with a helper, on a list too short for the search to choose one,
// or on this thread alone: the lines come in file order either way.
TEST(Search, SharedOutBetweenTwoThreadsKeepsTheLinesInOrder) {
  ScratchDirectory dir;
  RecordingNotifier notifier;
  std::string contents;
  Lines expected;
  for (int i = 0; i < 2001; ++i) {  // no multiple of the bit set's 64 lines
    contents += kWords;
    expected.insert(expected.end(), {"cat", "CUT"});
  }
  WordList list;
  ASSERT_TRUE(list.load(dir.write("words.txt", contents).c_str(), notifier));
  for (const Sharing sharing : {Sharing::kHelper, Sharing::kNone}) {
    CollectingSink sink;
    searchWords(list, TextEncoding::kSingleByte, nullptr, "c?t", sink, notifier, sharing);
    EXPECT_TRUE(sink.lines == expected) << static_cast<int>(sharing);
  }
}

// Random lists of short words, of lengths around the pieces of 4096 keys and
// none a multiple of eight: the index holds each line's own key, built at once
// or in the steps of a load, and a sound
// search with it or without it finds the lines whose key is the query's, by a
// plain comparison of keys, for the words of the first and last lines, of the
// lines either side of a piece's end, and of others.
TEST(Search, FindsBySoundWhatAPlainComparisonOfKeysFinds) {
  std::mt19937 random(19);
  ScratchDirectory dir;
  RecordingNotifier notifier;
  for (const std::uint32_t count : {3u, 4099u, 20483u}) {
    std::string contents;
    for (std::uint32_t i = 0; i < count; ++i) {
      for (auto letters = 1 + random() % 5; letters > 0; --letters) {
        contents += "aeiouybcdfghklmnprstwxz"[random() % 23];
      }
      contents += '\n';
    }
    WordList list;
    SoundIndex index;
    ASSERT_TRUE(list.load(dir.write("words.txt", contents).c_str(), notifier));
    ASSERT_TRUE(index.build(list, notifier));
    ASSERT_EQ(index.count(), count);
    const auto keyOf = [&list](std::uint32_t i) { return soundKey(list.entries()[i].text); };
    for (std::uint32_t i = 0; i < count; ++i) {
      ASSERT_EQ(std::memcmp(index.keys()[i].text, keyOf(i).text, sizeof(SoundKey)), 0) << i;
    }
    // Made in the web page's steps, the list has the same keys.
    LoadedList stepped;
    SteppedLoad steps;
    auto* const text = static_cast<char*>(std::malloc(contents.size() + 1));
    std::copy(contents.begin(), contents.end(), text);
    steps.start(text, contents.size());
    while (steps.step(stepped, notifier) == SteppedLoad::Progress::kMore) continue;
    ASSERT_EQ(stepped.keys.count(), count);
    ASSERT_EQ(std::memcmp(stepped.keys.keys(), index.keys(), count * sizeof(SoundKey)), 0);
    for (const std::uint32_t query : {0u, 4095u % count, 4096u % count, count - 1, count / 3}) {
      Lines expected;
      for (std::uint32_t i = 0; i < count; ++i) {
        if (std::strcmp(keyOf(i).text, keyOf(query).text) == 0) {
          expected.emplace_back(list.entries()[i].text);
        }
      }
      for (const SoundIndex* keys : {&index, static_cast<SoundIndex*>(nullptr)}) {
        CollectingSink sink;
        searchWords(list, TextEncoding::kSingleByte, keys, list.entries()[query].text, sink,
                    notifier);
        EXPECT_TRUE(sink.lines == expected) << list.entries()[query].text << " of " << count;
      }
    }
  }
}

}  // namespace
}  // namespace lexi
