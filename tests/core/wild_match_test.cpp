#include "match/wild_match.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "tests/core/reference_matcher.h"

namespace lexi {
namespace {

using testing_only::referenceWildMatch;

struct MatchCase {
  std::string line;
  std::string pattern;
  int result;
};

void PrintTo(const MatchCase& c, std::ostream* out) {
  *out << '"' << c.line << "\" ~ \"" << c.pattern << '"';
}

class WildMatchTable : public testing::TestWithParam<MatchCase> {};

TEST_P(WildMatchTable, GivesTheResult) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(wildMatch(c.line.c_str(), c.pattern.c_str()), c.result)
      << "line '" << c.line << "' pattern '" << c.pattern << "'";
  EXPECT_EQ(referenceWildMatch(c.line.c_str(), c.pattern.c_str(), 1'000'000), c.result)
      << "the reference disagrees with the table";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WildMatchTable,
    testing::Values(
        MatchCase{"apple", "a*", 0}, MatchCase{"apple", "A*E", 0}, MatchCase{"APPLE", "a*e", 0},
        MatchCase{"abcdef", "abc", 1}, MatchCase{"abc def", "abc", 0},
        MatchCase{"abc\tdef", "abc", 1}, MatchCase{"abc\tdef", "abc*", 0},
        MatchCase{"apple pie", "a*e", 0}, MatchCase{"apple pie", "a*pie", 0},
        MatchCase{"ab cd", "ab?cd", 0}, MatchCase{"x", "x?", 1}, MatchCase{"", "", 0},
        MatchCase{"abc", "", 1}, MatchCase{" abc", "", 0}, MatchCase{"", "*", 0},
        MatchCase{"", "?", 1}, MatchCase{" abc", "*abc", 0}, MatchCase{"word extra", "word *", 0},
        MatchCase{"word", "word *", 1}, MatchCase{"abc", "a**c", 0}, MatchCase{"CAT", "c?t", 0},
        MatchCase{"\xe9", "\xc9", 1}, MatchCase{"abc", "********", 0},
        MatchCase{"", "*********", -9999}, MatchCase{"abc", "*********", -9999},
        MatchCase{"abc", "z*********", 1}, MatchCase{"mississippi", "*s*s*s*s*", 0},
        MatchCase{"mississippi", "m*s*s*s*s*s*", 1},
        // The pattern must end at a blank or at the end of the line.
        MatchCase{"phone n. a device", "ph*ne", 0}, MatchCase{"phoneme n. a sound", "ph*ne", 1},
        MatchCase{"a b c", "a*b", 0}, MatchCase{"a bc", "a*b", 1}, MatchCase{"ab  ", "ab ", 0},
        // The part before the ninth star must match for the warning.
        MatchCase{"abc", "a*b*c*********", -9999}, MatchCase{"abc", "a*d*********", 1},
        MatchCase{"aaaa", "a?a?a*********", 1}, MatchCase{"aaaaa", "a?a?a*********", -9999}));

// What the user can type: the bounded matcher must answer at once where the
// backtracking one would run for years.
TEST(WildMatch, AdversarialPatternStaysFast) {
  const std::string line(1000, 'a');
  EXPECT_EQ(wildMatch(line.c_str(), "*a*a*a*a*a*a*a*b"), 1);
  EXPECT_EQ(wildMatch((line + "b").c_str(), "*a*a*a*a*a*a*a*b"), 0);
  EXPECT_EQ(wildMatch(line.c_str(), "*a*a*a*a*a*a*a*a*b"), -9999);
}

std::string spell(std::size_t index, int length, const std::vector<char>& alphabet) {
  std::string text;
  for (int i = 0; i < length; ++i) {
    text += alphabet[index % alphabet.size()];
    index /= alphabet.size();
  }
  return text;
}

std::vector<std::string> everyText(int maxLength, const std::vector<char>& alphabet) {
  std::vector<std::string> texts;
  for (int length = 0; length <= maxLength; ++length) {
    std::size_t total = 1;
    for (int i = 0; i < length; ++i) total *= alphabet.size();
    for (std::size_t index = 0; index < total; ++index) {
      texts.push_back(spell(index, length, alphabet));
    }
  }
  return texts;
}

// Every pattern of up to five and every line of up to four characters from a
// small alphabet: the two matchers agree everywhere.
TEST(WildMatch, AgreesWithTheReferenceOnEveryShortPair) {
  const std::vector<char> alphabet = {'a', 'b', ' ', '*', '?', 'A'};
  const std::vector<std::string> patterns = everyText(5, alphabet);
  const std::vector<std::string> lines = everyText(4, alphabet);
  for (const std::string& pattern : patterns) {
    const WildPattern compiled(pattern);
    for (const std::string& line : lines) {
      const auto expected = referenceWildMatch(line.c_str(), pattern.c_str(), 1'000'000);
      ASSERT_TRUE(expected.has_value());
      ASSERT_EQ(compiled.match(line.c_str()), *expected)
          << "line '" << line << "' pattern '" << pattern << "'";
    }
  }
}

// Longer texts from a larger alphabet, up to ten stars, including the ninth.
TEST(WildMatch, AgreesWithTheReferenceOnRandomPairs) {
  const std::vector<char> alphabet = {'a',    'b',    'c',    'A',    'B', ' ', '\t',
                                      '\x80', '\xc9', '\xe9', '\xff', '?', '*'};
  std::mt19937 random(2024);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> lineLength(0, 40);
  std::uniform_int_distribution<int> patternLength(0, 14);
  std::uniform_int_distribution<int> starCount(0, 10);
  int compared = 0;
  for (int round = 0; round < 200000; ++round) {
    std::string line;
    for (int i = lineLength(random); i > 0; --i) line += alphabet[pick(random)];
    std::string pattern;
    for (int i = patternLength(random); i > 0; --i) {
      const char c = alphabet[pick(random)];
      if (c != '*') pattern += c;
    }
    for (int stars = starCount(random); stars > 0; --stars) {
      std::uniform_int_distribution<std::size_t> where(0, pattern.size());
      pattern.insert(where(random), 1, '*');
    }
    const auto expected = referenceWildMatch(line.c_str(), pattern.c_str(), 200'000);
    if (!expected) continue;
    ++compared;
    ASSERT_EQ(wildMatch(line.c_str(), pattern.c_str()), *expected)
        << "line '" << line << "' pattern '" << pattern << "'";
  }
  EXPECT_GT(compared, 150000) << "the reference gave up too often to prove anything";
}

}  // namespace
}  // namespace lexi
