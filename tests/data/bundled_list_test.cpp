// The bundled word list, loaded and searched the way the programs do it.
// LEXI_BUNDLED_LIST is the path of data/LexiquariumWords.txt in the source tree.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_set>

#include "match/search.h"
#include "tests/core/test_support.h"
#include "wordlist/word_list.h"

namespace lexi {
namespace {

using testing_only::CollectingSink;
using testing_only::RecordingNotifier;

std::string_view firstWord(std::string_view line) {
  return line.substr(0, line.find(' '));
}

TEST(BundledList, LoadsAndEveryLineIsAWordAndAShortNoteInPrintableLatin1) {
  WordList list;
  RecordingNotifier notifier;
  ASSERT_TRUE(list.load(LEXI_BUNDLED_LIST, notifier));
  EXPECT_TRUE(notifier.errors.empty() && notifier.warnings.empty());

  std::ifstream file(LEXI_BUNDLED_LIST, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  ASSERT_TRUE(bytes.ends_with('\n')) << "the last line has no line end";
  std::unordered_set<std::string_view> words;
  std::size_t lines = 0;
  for (std::size_t start = 0; start < bytes.size(); ++lines) {
    const std::size_t end = bytes.find('\n', start);
    const std::string_view line(bytes.data() + start, end - start);
    start = end + 1;
    SCOPED_TRACE("line " + std::to_string(lines + 1) + ": " + std::string(line));
    // A result row stays readable; no CR, NUL, Ctrl-Z or other control byte.
    EXPECT_LT(line.size(), 160u);
    EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) {
      return (c >= 0x20 && c < 0x7F) || static_cast<unsigned char>(c) >= 0xA0;
    }));
    const std::string_view word = firstWord(line);
    EXPECT_TRUE(!word.empty() && words.insert(word).second) << "empty or repeated word";
    if (word.size() < line.size()) {
      // One blank, then a note without blanks that ends in a full stop, so that
      // a wildcard match can only end where the word ends.
      const std::string_view note = line.substr(word.size() + 1);
      EXPECT_FALSE(note.empty() || note.front() == '\xA0' || note.find(' ') != note.npos);
      EXPECT_TRUE(note.ends_with('.'));
    }
  }
  EXPECT_EQ(lines, list.count());
  EXPECT_GE(lines, 100000u);
}

TEST(BundledList, CommonMisspellingsFindTheirWordBySound) {
  WordList list;
  RecordingNotifier notifier;
  ASSERT_TRUE(list.load(LEXI_BUNDLED_LIST, notifier));
  const auto rows = testing_only::readTable("data/misspellings.txt");
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 3u) << row[0];
    CollectingSink sink;
    searchWords(list, row[0].c_str(), sink, notifier);
    const bool found =
        std::any_of(sink.lines.begin(), sink.lines.end(),
                    [&](const std::string& line) { return firstWord(line) == row[1]; });
    EXPECT_EQ(found, row[2] == "yes") << row[0] << " " << row[1];
  }
  EXPECT_GE(rows.size(), 80u);
}

}  // namespace
}  // namespace lexi
