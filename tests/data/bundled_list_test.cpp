// The bundled word list, loaded and searched the way the programs do it.
//
// LEXI_BUNDLED_LIST is the path of data/LexiquariumWords.txt in the source tree.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "match/search.h"
#include "tests/core/test_support.h"
#include "wordlist/word_list.h"

namespace lexi {
namespace {

using testing_only::CollectingSink;
using testing_only::RecordingNotifier;

// Every line, without its LF, is shorter than this: a result row stays readable.
constexpr std::size_t kLineLimit = 160;

std::string_view firstWord(std::string_view line) {
  return line.substr(0, line.find(' '));
}

class BundledList : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    RecordingNotifier notifier;
    loaded_ = list_.load(LEXI_BUNDLED_LIST, notifier) && keys_.build(list_, notifier);
    loadMessages_ = notifier.errors;
    loadMessages_.insert(loadMessages_.end(), notifier.warnings.begin(), notifier.warnings.end());
  }

  void SetUp() override { ASSERT_TRUE(loaded_) << "cannot load " << LEXI_BUNDLED_LIST; }

  // The first words of the lines that `query` lists.
  static std::vector<std::string> wordsFound(const char* query) {
    CollectingSink sink;
    RecordingNotifier notifier;
    EXPECT_EQ(searchWords(list_, &keys_, query, sink, notifier), SearchOutcome::kDone) << query;
    EXPECT_TRUE(notifier.warnings.empty()) << query;
    std::vector<std::string> words;
    for (const std::string& line : sink.lines) words.emplace_back(firstWord(line));
    return words;
  }

  static bool lists(const char* query, const std::string& word) {
    const std::vector<std::string> words = wordsFound(query);
    return std::find(words.begin(), words.end(), word) != words.end();
  }

  static inline WordList list_;
  static inline SoundIndex keys_;
  static inline bool loaded_ = false;
  static inline std::vector<std::string> loadMessages_;
};

TEST_F(BundledList, LoadsWithoutAMessage) {
  EXPECT_TRUE(loadMessages_.empty()) << loadMessages_.front();
  EXPECT_GE(list_.count(), 100000u);
  EXPECT_LE(list_.count(), 200000u);
}

TEST_F(BundledList, EveryLineIsAWordAndANoteInShortLatin1Text) {
  std::ifstream file(LEXI_BUNDLED_LIST, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(bytes.empty());
  ASSERT_EQ(bytes.back(), '\n') << "the last line has no line end";

  std::unordered_set<std::string_view> words;
  std::size_t lines = 0;
  for (std::size_t start = 0; start < bytes.size(); ++lines) {
    const std::size_t end = bytes.find('\n', start);
    const std::string_view line(bytes.data() + start, end - start);
    start = end + 1;
    SCOPED_TRACE("line " + std::to_string(lines + 1) + ": " + std::string(line));

    EXPECT_LT(line.size(), kLineLimit);
    // Printable Latin-1 only: no CR, no NUL, no Ctrl-Z, no C0 or C1 control byte.
    const bool printable = std::all_of(line.begin(), line.end(), [](char c) {
      const auto byte = static_cast<unsigned char>(c);
      return (byte >= 0x20 && byte < 0x7F) || byte >= 0xA0;
    });
    EXPECT_TRUE(printable);

    const std::string_view word = firstWord(line);
    EXPECT_FALSE(word.empty());
    EXPECT_TRUE(words.insert(word).second) << "the word appears twice";
    if (word.size() < line.size()) {
      // The note holds no blank and ends in a full stop, so a wildcard match can
      // only end where the word ends.
      const std::string_view note = line.substr(word.size() + 1);
      EXPECT_EQ(note.find(' '), std::string_view::npos);
      EXPECT_FALSE(note.empty() || note.front() == '\xA0') << "one blank before the note";
      EXPECT_TRUE(note.ends_with('.'));
    }
  }
  EXPECT_EQ(lines, list_.count());
}

TEST_F(BundledList, CommonMisspellingsFindTheirWordBySound) {
  struct Pair {
    const char* misspelling;
    const char* word;
    // Null when the sound search lists the word; otherwise why the keys differ.
    const char* notBridged;
  };
  const Pair pairs[] = {
      {"fone", "phone", nullptr},
      {"nite", "night", nullptr},
      {"nite", "knight", nullptr},
      {"rite", "write", nullptr},
      {"rite", "right", nullptr},
      {"definately", "definitely", nullptr},
      {"seperate", "separate", nullptr},
      {"recieve", "receive", nullptr},
      {"untill", "until", nullptr},
      {"wierd", "weird", nullptr},
      {"accomodate", "accommodate", nullptr},
      {"occured", "occurred", nullptr},
      {"begining", "beginning", nullptr},
      {"beleive", "believe", nullptr},
      {"calender", "calendar", nullptr},
      {"concious", "conscious", nullptr},
      {"existance", "existence", nullptr},
      {"foriegn", "foreign", nullptr},
      {"harrass", "harass", nullptr},
      {"independant", "independent", nullptr},
      {"liason", "liaison", nullptr},
      {"persistant", "persistent", nullptr},
      {"posession", "possession", nullptr},
      {"publically", "publicly", nullptr},
      {"rythm", "rhythm", nullptr},
      {"tommorow", "tomorrow", nullptr},
      {"truely", "truly", nullptr},
      {"wich", "which", nullptr},
      {"tung", "tongue", nullptr},
      {"sukses", "success", nullptr},
      {"fotograf", "photograph", nullptr},
      {"skool", "school", nullptr},
      {"rong", "wrong", nullptr},
      {"nok", "knock", nullptr},
      {"numonia", "pneumonia", nullptr},
      {"gost", "ghost", nullptr},
      {"nuckle", "knuckle", nullptr},
      {"fisiks", "physics", nullptr},
      {"cemetary", "cemetery", nullptr},
      {"grammer", "grammar", nullptr},
      {"embarass", "embarrass", nullptr},
      {"millenium", "millennium", nullptr},
      {"mispell", "misspell", nullptr},
      {"sissors", "scissors", nullptr},
      {"seige", "siege", nullptr},
      {"jiraf", "giraffe", nullptr},
      {"sertain", "certain", nullptr},
      {"freind", "friend", nullptr},
      {"hight", "height", nullptr},
      {"jelous", "jealous", nullptr},
      {"lisence", "license", nullptr},
      {"wether", "weather", nullptr},
      {"wether", "whether", nullptr},
      {"acheive", "achieve", nullptr},
      {"buisness", "business", nullptr},
      {"commitee", "committee", nullptr},
      {"nieghbor", "neighbor", nullptr},
      {"peice", "piece", nullptr},
      {"playwrite", "playwright", nullptr},
      {"threshhold", "threshold", nullptr},
      {"yeild", "yield", nullptr},
      {"nolij", "knowledge", "the g of a final dge gives j as well: nljj against nlj"},
      {"knowlege", "knowledge", "the d before ge adds a j: nljj against nlj"},
      {"enuf", "enough", "a final gh gives k, never f"},
      {"laff", "laugh", "a final gh gives k, never f"},
      {"thru", "through", "a final gh gives k: 0rk against 0r"},
      {"kwik", "quick", "w before a vowel is kept: kwk against kk"},
      {"shure", "sure", "sh gives x, a lone s gives s"},
      {"sychology", "psychology", "an initial ps keeps its p"},
      {"dout", "doubt", "b is silent only after m at the end"},
      {"iland", "island", "the silent s is coded"},
      {"yot", "yacht", "ch gives x"},
      {"colum", "column", "the silent n is coded"},
      {"wensday", "Wednesday", "the silent d is coded"},
      {"febuary", "February", "the missing r is a consonant"},
      {"goverment", "government", "the missing n is a consonant"},
      {"neccessary", "necessary", "each c of cc is coded: nkssr against nssr"},
      {"noticable", "noticeable", "c before a gives k, before e gives s"},
      {"tounge", "tongue", "g before e gives j"},
      {"judgement", "judgment", "dge gives j, dgm gives tk"},
  };
  int bridged = 0;
  for (const Pair& pair : pairs) {
    SCOPED_TRACE(std::string(pair.misspelling) + " -> " + pair.word);
    const bool found = lists(pair.misspelling, pair.word);
    EXPECT_EQ(found, pair.notBridged == nullptr) << (pair.notBridged ? pair.notBridged : "");
    bridged += found ? 1 : 0;
  }
  EXPECT_GE(std::size(pairs), 40u);
  RecordProperty("pairs", static_cast<int>(std::size(pairs)));
  RecordProperty("bridged", bridged);
}

TEST_F(BundledList, WildcardsMatchWholeFirstWords) {
  struct Case {
    const char* pattern;
    std::vector<std::string> listed;
    std::vector<std::string> notListed;
  };
  const Case cases[] = {
      {"ph*ne", {"phone"}, {"phoneme", "phones", "phoned"}},
      {"c?t", {"cat", "cot", "cut"}, {"cats", "coat", "cult"}},
      {"KN?GHT", {"knight"}, {"knights", "night"}},
      {"well-*", {"well-being"}, {"well", "wellbeing"}},
      {"*ology", {"psychology", "biology"}, {"biologist"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    for (const std::string& word : c.listed) EXPECT_TRUE(lists(c.pattern, word)) << word;
    for (const std::string& word : c.notListed) EXPECT_FALSE(lists(c.pattern, word)) << word;
  }
}

TEST_F(BundledList, ResultsShowTheMeaningBesideTheWord) {
  CollectingSink sink;
  RecordingNotifier notifier;
  searchWords(list_, &keys_, "fone", sink, notifier);
  const auto phone = std::find_if(sink.lines.begin(), sink.lines.end(),
                                  [](const std::string& l) { return firstWord(l) == "phone"; });
  ASSERT_NE(phone, sink.lines.end());
  // As the user reads it: no-break spaces look like blanks.
  std::string shown = *phone;
  std::replace(shown.begin(), shown.end(), '\xA0', ' ');
  EXPECT_TRUE(shown.starts_with("phone n. electronic equipment that converts sound")) << shown;
  EXPECT_NE(shown.find("; v. get or try to get into communication"), std::string::npos) << shown;
}

}  // namespace
}  // namespace lexi
