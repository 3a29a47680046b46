#include "match/near_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "match/slip_distance.h"
#include "tests/core/test_support.h"

namespace lexi {
namespace {

using testing_only::CollectingSink;
using testing_only::RecordingNotifier;
using testing_only::ScratchDirectory;
using Lines = std::vector<std::string>;

// The lines a near search lists for `query` over `contents`, knowing how
// common the words are from `common`'s lines when there are any.
Lines nearLines(const std::string& contents, TextEncoding encoding, const char* query,
                std::uint32_t maxResults = kNearResults, const std::string& common = "",
                Sharing sharing = Sharing::kAutomatic) {
  ScratchDirectory dir;
  RecordingNotifier notifier;
  WordList list;
  SoundIndex keys;
  NearIndex index;
  Commonness commonness;
  EXPECT_TRUE(list.load(dir.write("words.txt", contents).c_str(), notifier));
  EXPECT_TRUE(keys.build(list, notifier, sharing));
  if (!common.empty()) {
    EXPECT_TRUE(commonness.load(dir.write("common.txt", common).c_str()));
  }
  EXPECT_TRUE(index.build(list, keys, encoding, notifier, &commonness, sharing));
  CollectingSink sink;
  const std::uint32_t found = nearSearch(index, query, maxResults, sink, sharing);
  EXPECT_EQ(found, sink.lines.size());
  return sink.lines;
}

// The textbook edit distance, one row at a time.
template <class Char>
int referenceDistance(const std::vector<Char>& a, const std::vector<Char>& b) {
  std::vector<int> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// Few letters, so that words share many; one in three words is of the longest
// length, where the last bit of the vectors counts.
TEST(SlipDistance, PlainDistanceIsTheEditDistance) {
  const char32_t wide[] = {'a', 'b', 'c', 0xE9, 0x101, 0x1F600};
  const char bytes[] = {'a', 'b', '\xE9'};
  std::mt19937 random(20261207);
  auto length = [&] {
    return random() % 3 == 0 ? Spelling::kMaxLength : random() % (Spelling::kMaxLength + 1);
  };
  for (int round = 0; round < 20000; ++round) {
    std::vector<char32_t> from(length());
    std::vector<char32_t> to(length());
    std::vector<char> text(length());
    for (char32_t& c : from) c = wide[random() % (round % 2 == 0 ? 3 : 6)];
    for (char32_t& c : to) c = wide[random() % (round % 2 == 0 ? 3 : 6)];
    for (char& c : text) c = bytes[random() % 3];
    Spelling spelling;
    Spelling other;
    std::copy(from.begin(), from.end(), spelling.chars);
    std::copy(to.begin(), to.end(), other.chars);
    spelling.length = from.size();
    other.length = to.size();
    const PlainDistance distance(spelling);
    ASSERT_EQ(distance.to(other), referenceDistance(from, to)) << round;
    std::vector<char32_t> widened;
    for (const char c : text) widened.push_back(static_cast<unsigned char>(c));
    ASSERT_EQ(distance.to(std::string_view(text.data(), text.size())),
              referenceDistance(from, widened))
        << round;
  }
}

// Each row pins one rule of the ranking: the lines are chosen so that breaking
// the rule reorders them, lets one in or keeps one out. Every line but the
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
      {"cat", "ca-t m\ncat\n", {"cat", "ca-t m"}},      // and with no meaning
      {"CAT", "cat m\nCAT m\n", {"cat m", "CAT m"}},
      {"cat", "cat m\ncut m\n", {"cat m"}, kLatin1, 1},  // only equal words kept so far
      {"cat", "cut m\ncot m\n", {"cut m", "cot m"}},     // ties in file order
      {"cot", "cut m\ncat m\n", {"cut m", "cat m"}},
      {"cat", "cut m\ncot m\nkat m\n", {"kat m", "cut m"}, kLatin1, 2},
      {"leter", "lever m\nleiter m\nletter m\n", {"letter m", "leiter m", "lever m"}},
      {"lettter", "lever m\nleter m\nletter m\n", {"letter m", "leter m", "lever m"}},
      {"form", "forms m\nfrom m\n", {"from m", "forms m"}},
      {"cat", "ca m\ncant m\n", {"cant m", "ca m"}},  // left out before added
      {"bet", "be m\nbit m\n", {"bit m", "be m"}},
      {"fone", "fine m\nphone m\n", {"phone m", "fine m"}},
      {"graf", "grab m\ngraph m\n", {"graph m", "grab m"}},
      {"cat", "bat m\nkat m\nat m\n", {"kat m", "at m"}},  // b opens neither the word nor its key
      {"cat dog", "dog m\ncat m\n", {"cat m"}},
      {"123", "123 m\n12 m\n", {}},
      {"-", "- m\n-- m\n", {}},
      {"", "a m\n", {}},
      {"cat", "cat m\n", {}, kLatin1, 0},
      {"cat", "dog m\ncastle m\ncut m\n", {"cut m"}},
      {"zebra", "cat m\ndog m\n", {}},
      {"cafe", "cafes m\ncaf\xE9 m\n", {"caf\xE9 m", "cafes m"}},
      {"cafe", "cafes m\ncaf\xC3\xA9 m\n", {"caf\xC3\xA9 m", "cafes m"}, kUtf8},
      {"caf\xC3\xA9", "cafes m\ncaf\xC3\xA9 m\n", {"caf\xC3\xA9 m", "cafes m"}, kUtf8},
      {"\xC3\xA9t\xC3\xA9",
       "ete m\n\xC3\xA9t\xC3\xA9 m\n",
       {"\xC3\xA9t\xC3\xA9 m", "ete m"},
       kUtf8},
      {"bil", "Bill m\nbill m\n", {"bill m", "Bill m"}},  // a name after the word
      {"Bil", "Bill m\nbill m\n", {"Bill m", "bill m"}},
      {"bil", "bill\nbill m\n", {"bill m", "bill"}},  // a bare line after one with a meaning
      {"x", "\n y m\n- m\nx m\n", {"x m"}},           // a line with no word is never near
      {"a", "\n y m\na m\n", {"a m"}},
      // Heard alike, however it is spelled, and however the word opens.
      {"nolij", "noble m\nknowledge m\n", {"knowledge m", "noble m"}},
      {"fizzix", "fizzing m\nphysics m\n", {"physics m", "fizzing m"}},
      {"sikology", "ecology m\npsychology m\n", {"psychology m"}},
      {"nite", "nit m\nknight m\nnet m\n", {"knight m", "nit m", "net m"}},
      // The common word first, the rare one still listed, whatever the file knows.
      {"cot", "cut m\ncat m\n", {"cat m", "cut m"}, kLatin1, kNearResults, "cat 10\ncut 95\n"},
      {"cot", "cut m\ncat m\n", {"cat m", "cut m"}, kLatin1, kNearResults, "cat 10\n"},
      {"cot", "cut m\ncat m\n", {"cut m", "cat m"}, kLatin1, kNearResults, "dog 10\n"},
      {"cot", "cut m\ncat m\n", {"cut m", "cat m"}, kLatin1, kNearResults, "cat 20\ncut 20\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(nearLines(c.lines, c.encoding, c.query, c.maxResults, c.common), c.expected)
        << c.query << " in " << c.lines;
  }
}

// Each cost of tests/core/slip_costs.txt exactly; with a bound below it, some
// value above the bound; with one at or above it, the cost.
TEST(SlipDistance, CostsEachSlipAsItsTableSays) {
  for (const auto& row : testing_only::readTable("core/slip_costs.txt")) {
    const TextEncoding encoding = row.size() > 3 ? TextEncoding::kUtf8 : TextEncoding::kSingleByte;
    const Spelling typed = spellingOf(row[0], encoding);
    const Spelling meant = spellingOf(row[1], encoding);
    const int cost = std::stoi(row[2]);
    for (int bound = 0; bound <= cost + 2; ++bound) {
      const int found = slipDistance(typed, meant, bound);
      EXPECT_TRUE(bound < cost ? found > bound : found == cost)
          << row[0] << " for " << row[1] << " within " << bound << ": " << found;
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
}

TEST(Decode, ReadsOneCharacter) {
  struct Case {
    const char* text;
    std::size_t at;
    TextEncoding encoding;
    char32_t code;
    std::size_t size;
  } cases[] = {
      {"a", 0, TextEncoding::kUtf8, 'a', 1},
      {"x\xC3\xA9", 1, TextEncoding::kUtf8, 0xE9, 2},
      {"\xE2\x82\xAC", 0, TextEncoding::kUtf8, 0x20AC, 3},
      {"\xF0\x9F\x98\x80", 0, TextEncoding::kUtf8, 0x1F600, 4},
      {"\xF4\x8F\xBF\xBF", 0, TextEncoding::kUtf8, 0x10FFFF, 4},
      {"\xC3", 0, TextEncoding::kUtf8, 0xC3, 1},  // cut short
      {"\xE2\x82", 0, TextEncoding::kUtf8, 0xE2, 1},
      {"\xF0\x9F\x98", 0, TextEncoding::kUtf8, 0xF0, 1},
      {"\xC3\x41", 0, TextEncoding::kUtf8, 0xC3, 1},  // no continuation
      {"\x80", 0, TextEncoding::kUtf8, 0x80, 1},
      {"\xC0\x80", 0, TextEncoding::kUtf8, 0xC0, 1},      // overlong
      {"\xED\xA0\x80", 0, TextEncoding::kUtf8, 0xED, 1},  // a surrogate
      {"\xC3\xA9", 0, TextEncoding::kSingleByte, 0xC3, 1},
      {"\xFF", 0, TextEncoding::kSingleByte, 0xFF, 1},
  };
  for (const Case& c : cases) {
    const DecodedChar decoded = decodeChar(c.text, c.at, c.encoding);
    EXPECT_EQ(decoded.code, c.code) << c.text;
    EXPECT_EQ(decoded.size, c.size) << c.text;
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
