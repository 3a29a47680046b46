#include "match/wild_match.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/core/reference_matcher.h"

namespace lexi {
namespace {

// Random lines and patterns of up to ten stars, the ninth included, against the
// literal backtracking matcher. The alphabet holds both ends of the folded range
// and the bytes just outside it, blanks, a tab and bytes from 0x80 up.
TEST(WildMatch, AgreesWithTheReferenceOnRandomPairs) {
  const std::string alphabet = "abzABZ@[`{ \t\x80\xc9\xe9\xff?*";
  std::mt19937 random(2024);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> lineLength(0, 40);
  std::uniform_int_distribution<int> patternLength(0, 14);
  std::uniform_int_distribution<int> starCount(0, 10);
  int compared = 0;
  for (int round = 0; round < 300000; ++round) {
    std::string line;
    for (int i = lineLength(random); i > 0; --i) line += alphabet[pick(random)];
    std::string pattern;
    for (int i = patternLength(random); i > 0; --i) {
      // Half the patterns are made of the line's own bytes, so that they often
      // match, with 0x20 flipped at random: a letter's other case, or '@' for '`'.
      char c = alphabet[pick(random)];
      if (round % 2 == 0 && !line.empty()) {
        c = line[pick(random) % line.size()];
        if (c >= '@' && c <= '{' && pick(random) % 2 == 0) c = static_cast<char>(c ^ 0x20);
      }
      if (c != '*') pattern += c;
    }
    for (int stars = starCount(random); stars > 0; --stars) {
      std::uniform_int_distribution<std::size_t> where(0, pattern.size());
      pattern.insert(where(random), 1, '*');
    }
    const auto expected = testing_only::referenceWildMatch(line.c_str(), pattern.c_str(), 200'000);
    if (!expected) continue;
    ++compared;
    ASSERT_EQ(wildMatch(line.c_str(), pattern.c_str()), *expected)
        << "line '" << line << "' pattern '" << pattern << "'";
  }
  EXPECT_GT(compared, 250000) << "the reference gave up too often to prove anything";
}

}  // namespace
}  // namespace lexi
