#include "match/wild_match.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/core/reference_matcher.h"

namespace lexi {
namespace {

// Random lines and patterns of up to ten stars, the ninth included, against the
// literal backtracking matcher, in both encodings. The single-byte pieces hold
// both ends of the folded range and the bytes just outside it, blanks, a tab and
// bytes from 0x80 up; the UTF-8 ones characters of two, three and four bytes and
// bytes that are not well formed: a stray lead, a stray continuation, a
// sequence cut short.
TEST(WildMatch, AgreesWithTheReferenceOnRandomPairs) {
  std::vector<std::string> singleByte;
  for (char c : std::string("abzABZ@[`{ \t\x80\xc9\xe9\xff?*")) singleByte.emplace_back(1, c);
  const std::vector<std::string> utf8 = {"a",    "Z",        " ",        "?",
                                         "*",    "\xc3\xa9", "\xc3\x89", "\xe2\x82\xac",
                                         "\xc3", "\xa9",     "\xe2\x82", "\xf0\x9d\x84\x9e"};
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> lineLength(0, 40);
  std::uniform_int_distribution<int> patternLength(0, 14);
  std::uniform_int_distribution<int> starCount(0, 10);
  int compared = 0;
  for (int round = 0; round < 300000; ++round) {
    const bool inUtf8 = round % 4 >= 2;
    const TextEncoding encoding = inUtf8 ? TextEncoding::kUtf8 : TextEncoding::kSingleByte;
    const std::vector<std::string>& pieces = inUtf8 ? utf8 : singleByte;
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string line;
    std::vector<std::string> used;
    for (int i = lineLength(random); i > 0; --i) line += used.emplace_back(pieces[pick(random)]);
    std::string pattern;
    for (int i = patternLength(random); i > 0; --i) {
      // Half the patterns are made of the line's own pieces, so that they often
      // match, with 0x20 flipped at random: a letter's other case, or '@' for '`'.
      std::string piece = pieces[pick(random)];
      if (round % 2 == 0 && !used.empty()) {
        piece = used[pick(random) % used.size()];
        char& c = piece[0];
        if (c >= '@' && c <= '{' && pick(random) % 2 == 0) c = static_cast<char>(c ^ 0x20);
      }
      if (piece != "*") pattern += piece;
    }
    for (int stars = starCount(random); stars > 0; --stars) {
      std::uniform_int_distribution<std::size_t> where(0, pattern.size());
      pattern.insert(where(random), 1, '*');
    }
    const auto expected =
        testing_only::referenceWildMatch(line.c_str(), pattern.c_str(), encoding, 200'000);
    if (!expected) continue;
    ++compared;
    ASSERT_EQ(wildMatch(line.c_str(), pattern.c_str(), encoding), *expected)
        << (inUtf8 ? "UTF-8" : "single-byte") << " line '" << line << "' pattern '" << pattern
        << "'";
  }
  EXPECT_GT(compared, 250000) << "the reference gave up too often to prove anything";
}

}  // namespace
}  // namespace lexi
