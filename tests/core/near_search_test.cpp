#include "match/near_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "match/slip_distance.h"
#include "tests/core/reference_near_search.h"
#include "tests/core/test_support.h"

namespace lexi {
namespace {

using testing_only::CollectingSink;
using testing_only::RecordingNotifier;
using testing_only::ScratchDirectory;
using Lines = std::vector<std::string>;

// A list made from `contents`, its sound keys and its near index, knowing how
// common the words are from `common`'s lines when there are any; `made` when
// each step succeeded.
struct NearLists {
  NearLists(const std::string& contents, TextEncoding encoding, const std::string& common,
            Sharing sharing) {
    made = list.load(dir.write("words.txt", contents).c_str(), notifier) &&
           keys.build(list, notifier, sharing) &&
           (common.empty() || commonness.load(dir.write("common.txt", common).c_str())) &&
           index.build(list, keys, encoding, notifier, &commonness, sharing);
  }
  ScratchDirectory dir;
  RecordingNotifier notifier;
  WordList list;
  SoundIndex keys;
  NearIndex index;
  Commonness commonness;
  bool made = false;
};

// The lines a near search lists for `query` over `contents`.
Lines nearLines(const std::string& contents, TextEncoding encoding, const char* query,
                std::uint32_t maxResults = kNearResults, const std::string& common = "",
                Sharing sharing = Sharing::kAutomatic) {
  const NearLists lists(contents, encoding, common, sharing);
  EXPECT_TRUE(lists.made);
  CollectingSink sink;
  const std::uint32_t found = nearSearch(lists.index, query, maxResults, sink, sharing);
  EXPECT_EQ(found, sink.lines.size());
  return sink.lines;
}

// The rules of the ranking as a user sees them, one row each; the reference
// comparison below holds every rule on lines of every kind. Every line but the
// bare ones has a meaning, which would otherwise count against it.
TEST(NearSearch, RanksTheLikeliestSlipFirst) {
  constexpr TextEncoding kLatin1 = TextEncoding::kSingleByte;
  constexpr TextEncoding kUtf8 = TextEncoding::kUtf8;
  struct Case {
    const char* query;
    const char* lines;
    Lines expected;
    TextEncoding encoding = kLatin1;
    std::uint32_t maxResults = kNearResults;
    const char* common = "";
  } cases[] = {
      {"cat", "ca-t m\nCat m\n", {"Cat m", "ca-t m"}},  // the equal word, a capital or not
      {"cot", "cut m\ncat m\n", {"cut m", "cat m"}},    // ties in file order
      {"fone", "fine m\nphone m\n", {"phone m", "fine m"}},
      {"cat", "bat m\nkat m\nat m\n", {"kat m", "at m"}},  // b opens neither the word nor its key
      {"caf\xC3\xA9", "cafes m\ncaf\xC3\xA9 m\n", {"caf\xC3\xA9 m", "cafes m"}, kUtf8},
      {"bil", "Bill m\nbill m\n", {"bill m", "Bill m"}},  // a name after the word
      {"bil", "bill\nbill m\n", {"bill m", "bill"}},      // a bare line after one with a meaning
      {"x", "\n y m\n- m\nx m\n", {"x m"}},               // a line with no word is never near
      // Heard alike, however it is spelled, and however the word opens.
      {"nolij", "noble m\nknowledge m\n", {"knowledge m", "noble m"}},
      {"nite", "nit m\nknight m\nnet m\n", {"knight m", "nit m", "net m"}},
      // The common word first, the rare one still listed, whatever the file knows.
      {"cot", "cut m\ncat m\n", {"cat m", "cut m"}, kLatin1, kNearResults, "cat 10\ncut 95\n"},
      {"cot", "cut m\ncat m\n", {"cat m", "cut m"}, kLatin1, kNearResults, "cat 10\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(nearLines(c.lines, c.encoding, c.query, c.maxResults, c.common), c.expected)
        << c.query << " in " << c.lines;
  }
}

// Each cost of tests/core/slip_costs.txt exactly; with a bound below it, some
// value above the bound; with one at or above it, the cost. And the plain
// distance between the two.
TEST(SlipDistance, CostsEachSlipAsItsTableSays) {
  for (const auto& row : testing_only::readTable("core/slip_costs.txt")) {
    const TextEncoding encoding = row.size() > 3 ? TextEncoding::kUtf8 : TextEncoding::kSingleByte;
    const Spelling typed = spellingOf(row[0], encoding);
    const Spelling meant = spellingOf(row[1], encoding);
    const int cost = std::stoi(row[2]);
    // The plain distance counts each edit one, on a spelling and on bytes.
    const int plain = testing_only::editDistance(std::u32string(typed.chars, typed.length),
                                                 std::u32string(meant.chars, meant.length));
    EXPECT_EQ(PlainDistance(typed).to(meant), plain) << row[0] << " " << row[1];
    EXPECT_TRUE(row.size() > 3 || PlainDistance(typed).to(row[1]) == plain) << row[1];
    for (int bound = 0; bound <= cost + 2; ++bound) {
      const int found = slipDistance(typed, meant, bound);
      EXPECT_TRUE(bound < cost ? found > bound : found == cost)
          << row[0] << " for " << row[1] << " within " << bound << ": " << found;
    }
  }
}

// Random lists against the reference, in both encodings. The words are made
// from a few stems of a few letters with slips, so that many are near one
// another: of every length up to past what a Spelling holds and past the sounds
// the index keeps, with capitals, accents, digits, punctuation, characters
// beyond Latin-1 and bytes that are no UTF-8. Some lines have no meaning, some
// no word; the words typed are the list's own, with slips or a capital, and
// half the lists have a file of how common some of their words are.
TEST(NearSearch, AgreesWithTheReferenceOnRandomLists) {
  const std::vector<std::string> ascii = {"a", "e", "i", "o", "y", "h", "n", "t", "s", "c", "k",
                                          "p", "f", "z", "g", "w", "x", "N", "T", "-", "'", "1"};
  std::vector<std::string> latin1 = ascii;
  latin1.insert(latin1.end(), {"\xe9", "\xc9", "\xdf", "\xd7", "\xab"});
  std::vector<std::string> utf8 = ascii;
  utf8.insert(utf8.end(), {"\xc3\xa9", "\xc3\x89", "\xc5\x91", "\xf0\x9f\x90\x9f", "\xc3", "\xa9"});
  using Word = std::vector<std::string>;
  std::mt19937 random(29);
  auto one = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  for (int round = 0; round < 300; ++round) {
    const TextEncoding encoding = round % 2 == 0 ? TextEncoding::kSingleByte : TextEncoding::kUtf8;
    const std::vector<std::string>& pieces = round % 2 == 0 ? latin1 : utf8;
    // Mostly letters, the odd other character.
    auto piece = [&] { return pieces[one(4) != 0 ? one(10) : one(pieces.size())]; };
    auto slip = [&](Word word, std::size_t slips) {
      for (; slips > 0 && !word.empty(); --slips) {
        // Left out, added, replaced, doubled, or swapped with the next.
        const auto at = word.begin() + static_cast<std::ptrdiff_t>(one(word.size()));
        const std::size_t kind = one(5);
        if (kind == 0) at->clear();
        if (kind == 1 || kind == 3) word.insert(at, kind == 1 ? piece() : *at);
        if (kind == 2) *at = piece();
        if (kind == 4) std::iter_swap(at, at + 1 == word.end() ? word.begin() : at + 1);
      }
      return word;
    };
    // A list of a few thousand lines now and then, cut into pieces for the
    // helper thread; the rest of a few dozen, so that the blocks of 64 lines
    // and groups of 8 of the first look end anywhere.
    const std::size_t count = round % 100 == 3 ? 5000 : 10 + one(120);
    std::vector<Word> stems(2 + count / 16);
    for (Word& stem : stems) {
      stem.resize(one(5) == 0 ? 30 + one(25) : 1 + one(9));
      for (std::string& p : stem) p = piece();
    }
    std::vector<Word> words;
    std::string contents;
    std::string common;
    for (std::size_t lines = count; lines > 0; --lines) {
      const Word& word = words.emplace_back(slip(stems[one(stems.size())], one(4)));
      std::string text;
      for (const std::string& p : word) text += p;
      if (round % 4 < 2 && one(2) == 0 && !text.empty()) {
        common += text + " " + std::to_string(1 + one(99)) + "\n";
      }
      contents += text + (one(4) == 0 ? "" : one(9) == 0 ? " " : " m") + "\n";
    }
    const Sharing sharing = round % 3 == 0 ? Sharing::kHelper : Sharing::kNone;
    const NearLists lists(contents, encoding, common, sharing);
    ASSERT_TRUE(lists.made);
    const testing_only::ReferenceNearSearch reference(lists.list, encoding, &lists.commonness);
    for (int query = 0; query < 20; ++query) {
      // First the last line's word, as it is.
      Word word = query == 0 ? words.back() : slip(words[one(words.size())], one(3));
      if (query > 0 && one(6) == 0 && !word.empty())
        word[0] = one(2) == 0 ? "T" : pieces[one(pieces.size())];
      std::string typed;
      for (const std::string& p : word) typed += p;
      if (one(8) == 0) typed += " n";
      const std::uint32_t most = std::vector<std::uint32_t>{1, 3, 20, 1000}[one(4)];
      const auto [found, expected] = reference.compare(lists.index, typed.c_str(), most, sharing);
      ASSERT_EQ(found, expected) << "typed '" << typed << "' at most " << most << " in\n"
                                 << contents << "knowing\n"
                                 << common;
    }
  }
}

TEST(Commonness, KnowsTheLevelOfTheWordsItsFileNames) {
  const struct {
    const char* file;
    const char* word;
    std::uint8_t level;
  } cases[] = {
      {"night 10\nknight 20\n", "knight", 20},
      {"night 10\nknight 20\n", "nite", Commonness::kUnknown},
      {"night 10\nknight 20\n", "Night", Commonness::kUnknown},
      {"night 10\nnight 20\n", "night", 10},  // the first of two
      {"caf\xE9 70\r\n", "caf\xE9", 70},
      {"night 1\n", "night", 1},
      {"night 99\n", "night", 99},
      // Lines that are not a word and a level say nothing.
      {"night\n", "night", Commonness::kUnknown},
      {" night 10\n", "", Commonness::kUnknown},
      {"night 100\n", "night", Commonness::kUnknown},
      {"night 0\n", "night", Commonness::kUnknown},
      {"night x\n", "night", Commonness::kUnknown},
      {"night 1 2\n", "night", Commonness::kUnknown},
      {"night  10\n", "night", Commonness::kUnknown},
  };
  ScratchDirectory dir;
  for (const auto& c : cases) {
    Commonness common;
    ASSERT_TRUE(common.load(dir.write("common.txt", c.file).c_str()));
    EXPECT_EQ(common.levelOf(c.word), c.level) << c.file;
  }
  Commonness missing;
  EXPECT_FALSE(missing.load((dir.path() / "none.txt").string().c_str()));
  EXPECT_TRUE(missing.empty());
  EXPECT_EQ(missing.levelOf("night"), Commonness::kUnknown);
}

TEST(Commonness, LiesBesideTheList) {
  EXPECT_EQ(Commonness::besideList("LexiquariumWords.txt"), "LexiquariumCommon.txt");
  EXPECT_EQ(Commonness::besideList("/a/b/words"), "/a/b/LexiquariumCommon.txt");
  EXPECT_EQ(Commonness::besideList("a/"), "a/LexiquariumCommon.txt");
}

// The bundled list as users search it, the same on every platform the tests
// run on: words written as they sound find the word meant among the first.
TEST(NearSearch, FindsWordsWrittenAsTheySoundInTheBundledList) {
  const std::string data = std::string(LEXI_TESTS_DIR) + "/../data/";
  RecordingNotifier notifier;
  WordList list;
  SoundIndex keys;
  NearIndex index;
  Commonness common;
  ASSERT_TRUE(list.load((data + WordList::kFileName).c_str(), notifier));
  ASSERT_TRUE(keys.build(list, notifier));
  ASSERT_TRUE(common.load((data + Commonness::kFileName).c_str()));
  ASSERT_TRUE(index.build(list, keys, detectEncoding(list), notifier, &common));
  const struct {
    const char* typed;
    const char* meant;
    std::size_t within;
  } cases[] = {
      {"fizzix", "physics", 1},  {"sikology", "psychology", 1}, {"nolij", "knowledge", 1},
      {"wimin", "women", 1},     {"sertin", "certain", 1},      {"fone", "phone", 1},
      {"recieve", "receive", 1}, {"supeena", "subpoena", 1},    {"nite", "night", 3},
  };
  for (const auto& c : cases) {
    CollectingSink sink;
    nearSearch(index, c.typed, kNearResults, sink);
    const auto meant =
        std::find_if(sink.lines.begin(), sink.lines.end(),
                     [&](const std::string& l) { return l.substr(0, l.find(' ')) == c.meant; });
    EXPECT_LT(meant - sink.lines.begin(), static_cast<std::ptrdiff_t>(c.within)) << c.typed;
  }
  // Every 50th word of the list with a slip: a few thousand words, in which the
  // sanitizer builds look for a read out of bounds; every 100th of them is
  // held to the reference.
  const testing_only::ReferenceNearSearch reference(list, detectEncoding(list), &common);
  for (std::uint32_t i = 0; i < list.count(); i += 50) {
    const char* const line = list.entries()[i].text;
    std::string typed(line, std::strcspn(line, " "));
    // A letter left out, an e added, or two swapped, by turns.
    const std::size_t at = i / 50 % (typed.size() + 1);
    if (i / 50 % 3 == 0) typed.erase(at, 1);
    if (i / 50 % 3 == 1) typed.insert(at, 1, 'e');
    if (i / 50 % 3 == 2 && at + 1 < typed.size()) std::swap(typed[at], typed[at + 1]);
    CollectingSink sink;
    ASSERT_LE(nearSearch(index, typed.c_str(), kNearResults, sink), kNearResults);
    if (i % 5000 == 0) {
      const auto [found, expected] = reference.compare(index, typed.c_str(), kNearResults);
      ASSERT_EQ(found, expected) << typed;
    }
  }
}

// The lines are looked at in blocks of 64 and groups of 8, and in pieces that
// two threads may share, each keeping the best lines of its own pieces: the
// last line of a list whose length is a multiple of none must be looked at
// too, and the lines found are the same whether one thread or two looked, for
// words near many lines.
TEST(NearSearch, FindsTheSameOnALongListWithOneThreadOrTwo) {
  std::mt19937 random(7);
  std::string contents;
  std::vector<std::string> typed;
  for (int i = 0; i < 20010; ++i) {
    std::string word(3 + random() % 6, ' ');
    for (char& c : word) c = "aeioubcdlmnrst"[random() % 14];
    contents += word + " m\n";
    if (i % 500 == 0) typed.push_back(word.substr(1) + word[0]);
  }
  contents += "quizzed m\n";
  typed.push_back("quized");
  for (const std::string& word : typed) {
    const Lines alone =
        nearLines(contents, TextEncoding::kSingleByte, word.c_str(), 40, "", Sharing::kNone);
    EXPECT_EQ(
        nearLines(contents, TextEncoding::kSingleByte, word.c_str(), 40, "", Sharing::kHelper),
        alone)
        << word;
    EXPECT_GE(alone.size(), 20u) << word;
  }
  EXPECT_EQ(nearLines(contents, TextEncoding::kSingleByte, "quizzed", 1, "", Sharing::kHelper),
            Lines{"quizzed m"});
}

}  // namespace
}  // namespace lexi
