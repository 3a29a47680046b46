#include "wordlist/word_list.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "tests/core/test_support.h"
#include "wordlist/input_file.h"
#include "wordlist/line_reader.h"

namespace lexi {
namespace {

using testing_only::RecordingNotifier;
using testing_only::ScratchDirectory;

std::vector<std::string> texts(const WordList& list) {
  std::vector<std::string> out;
  for (std::uint32_t i = 0; i < list.count(); ++i) out.emplace_back(list.entries()[i].text);
  return out;
}

struct LineCase {
  const char* what;
  std::string bytes;
  std::vector<std::string> lines;
};

void PrintTo(const LineCase& c, std::ostream* out) {
  *out << c.what;
}

class LoaderLines : public testing::TestWithParam<LineCase> {};

TEST_P(LoaderLines, ReadsTheLines) {
  ScratchDirectory dir;
  const std::string file = dir.write("words.txt", GetParam().bytes);
  WordList list;
  RecordingNotifier notifier;
  ASSERT_TRUE(list.load(file.c_str(), notifier));
  EXPECT_TRUE(notifier.errors.empty());
  EXPECT_EQ(texts(list), GetParam().lines);
}

const std::string kLong(1000, 'x');

INSTANTIATE_TEST_SUITE_P(
    TextMode, LoaderLines,
    testing::Values(
        LineCase{"empty file", "", {}}, LineCase{"one line end", "\n", {""}},
        LineCase{"no final line end", "one\ntwo", {"one", "two"}},
        LineCase{"final line end adds nothing", "one\ntwo\n", {"one", "two"}},
        LineCase{"empty line in the middle", "a\n\nb\n", {"a", "", "b"}},
        LineCase{"CR LF", "a\r\nb\r\n", {"a", "b"}},
        LineCase{"lone CR stays", "a\rb\nc\r", {"a\rb", "c\r"}},
        LineCase{"CR CR LF keeps one CR", "a\r\r\nb", {"a\r", "b"}},
        LineCase{"0x1A ends the file", "one\ntw\x1Ao\nthree\n", {"one", "tw"}},
        LineCase{"0x1A at a line start", "one\n\x1Atwo\n", {"one"}},
        LineCase{"0x1A first",
                 "\x1A"
                 "abc",
                 {}},
        LineCase{"blanks and tabs stay", " a \t\n\tb  \n", {" a \t", "\tb  "}},
        LineCase{"byte-order mark kept", "\xEF\xBB\xBFword\n", {"\xEF\xBB\xBFword"}},
        LineCase{"duplicates kept", "a\na\n", {"a", "a"}},
        LineCase{"NUL ends the text, not the line",
                 std::string("ab\0cd\nef\n\0\nxy", 14),
                 {"ab", "ef", "", "xy"}},
        LineCase{"NUL on the last line", std::string("a\n\0b", 4), {"a", ""}},
        LineCase{"1000-character lines", kLong + "\n" + kLong + "\nz", {kLong, kLong, "z"}},
        LineCase{"Latin-1 bytes as they are", "caf\xe9\n\xff\x80\n", {"caf\xe9", "\xff\x80"}}),
    [](const testing::TestParamInfo<LineCase>& param) {
      std::string name;
      for (const char* c = param.param.what; *c != '\0'; ++c) {
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
      }
      return name;
    });

// The text-mode rules, written as plainly as possible, for comparison.
std::vector<std::string> plainSplit(const std::string& bytes) {
  std::string text = bytes.substr(0, bytes.find('\x1A'));
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n') {
      lines.push_back(line.substr(0, line.find('\0')));
      line.clear();
    } else {
      line += text[i];
    }
  }
  if (!line.empty()) lines.push_back(line.substr(0, line.find('\0')));
  return lines;
}

// Files of several buffers' worth with lines of every length, so that line ends,
// CR LF pairs and 0x1A fall on every kind of buffer boundary.
TEST(Loader, AgreesWithAPlainSplitOnLargeRandomFiles) {
  std::mt19937 random(77);
  const std::string bytes = "ab\r\n\0 \x1A";
  std::uniform_int_distribution<std::size_t> pick(0, 5);  // no 0x1A unless asked
  std::uniform_int_distribution<int> run(0, 300);
  for (int round = 0; round < 12; ++round) {
    std::string content;
    const std::size_t size = (round % 3 == 0) ? 300000 : 150000 + static_cast<std::size_t>(round);
    while (content.size() < size) {
      const char c = bytes[pick(random)];
      content.append(c == 'a' ? static_cast<std::size_t>(run(random)) : 1, c);
    }
    if (round % 4 == 1) content.insert(content.size() * 3 / 4, 1, '\x1A');
    if (round == 5) content.insert(65535, "\r\n");
    ScratchDirectory dir;
    const std::string file = dir.write("words.txt", content);
    WordList list;
    RecordingNotifier notifier;
    ASSERT_TRUE(list.load(file.c_str(), notifier));
    ASSERT_EQ(texts(list), plainSplit(content)) << "round " << round;
  }
}

TEST(Loader, LineLongerThanManyBuffersIsReadWhole) {
  ScratchDirectory dir;
  const std::string huge(3'000'000, 'q');
  const std::string file = dir.write("words.txt", "a\n" + huge + "\r\nb");
  WordList list;
  RecordingNotifier notifier;
  ASSERT_TRUE(list.load(file.c_str(), notifier));
  EXPECT_EQ(texts(list), (std::vector<std::string>{"a", huge, "b"}));
}

TEST(Loader, ReloadReplacesTheListAndReleaseEmptiesIt) {
  ScratchDirectory dir;
  WordList list;
  RecordingNotifier notifier;
  ASSERT_TRUE(list.load(dir.write("a.txt", "one\ntwo\n").c_str(), notifier));
  ASSERT_TRUE(list.load(dir.write("b.txt", "three\n").c_str(), notifier));
  EXPECT_EQ(texts(list), std::vector<std::string>{"three"});
  list.release();
  EXPECT_EQ(list.count(), 0u);
  EXPECT_EQ(list.entries(), nullptr);
}

// The failures a user can meet, each with the exact text shown.
TEST(Loader, MissingFileNamesTheFullPath) {
  ScratchDirectory dir;
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  WordList list;
  RecordingNotifier notifier;
  const bool loaded = list.load(WordList::kFileName, notifier);
  std::filesystem::current_path(before);
  EXPECT_FALSE(loaded);
  ASSERT_EQ(notifier.errors.size(), 1u);
  EXPECT_EQ(notifier.errors[0], "Error: Cannot open file '" + dir.path().string() +
                                    "/LexiquariumWords.txt':\nNo such file or directory.\n\n"
                                    "Lexiquarium will close now.");
  EXPECT_EQ(list.count(), 0u);
}

// Loads `path`, which must fail with one message and leave the list empty.
std::string onlyFailure(const std::string& path) {
  WordList list;
  RecordingNotifier notifier;
  EXPECT_FALSE(list.load(path.c_str(), notifier));
  EXPECT_EQ(list.count(), 0u);
  EXPECT_TRUE(notifier.warnings.empty());
  return notifier.errors.size() == 1 ? notifier.errors[0] : "not one error";
}

TEST(Loader, AbsolutePathIsShownAsItIs) {
  ScratchDirectory dir;
  const std::string missing = (dir.path() / "none.txt").string();
  EXPECT_EQ(onlyFailure(missing),
            "Error: Cannot open file '" + missing +
                "':\nNo such file or directory.\n\nLexiquarium will close now.");
}

TEST(Loader, DirectoryIsAReadError) {
  ScratchDirectory dir;
  const std::string path = (dir.path() / "LexiquariumWords.txt").string();
  std::filesystem::create_directory(path);
  EXPECT_EQ(onlyFailure(path), "Error: Cannot read file '" + path +
                                   "':\nIs a directory.\n\nLexiquarium will close now.");
}

TEST(Loader, UnreadableFileCannotBeOpened) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  ScratchDirectory dir;
  const std::string path = dir.write("words.txt", "a\n");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  EXPECT_EQ(onlyFailure(path), "Error: Cannot open file '" + path +
                                   "':\nPermission denied.\n\nLexiquarium will close now.");
}

TEST(Loader, FailedLoadKeepsNothingOfTheOldList) {
  ScratchDirectory dir;
  WordList list;
  RecordingNotifier notifier;
  ASSERT_TRUE(list.load(dir.write("a.txt", "one\n").c_str(), notifier));
  EXPECT_FALSE(list.load(dir.path().string().c_str(), notifier));
  EXPECT_EQ(list.count(), 0u);
}

struct JoinCase {
  const char* directory;
  const char* name;
  const char* joined;
};

TEST(JoinPath, UsesOneSeparator) {
  const JoinCase cases[] = {{"/home/me", "LexiquariumWords.txt", "/home/me/LexiquariumWords.txt"},
                            {"/", "LexiquariumWords.txt", "/LexiquariumWords.txt"},
                            {"/home/me/", "w.txt", "/home/me/w.txt"},
                            {"/home/me", "sub/w.txt", "/home/me/sub/w.txt"},
                            {"/home/me", "/etc/w.txt", "/etc/w.txt"}};
  for (const JoinCase& c : cases) EXPECT_EQ(joinPath(c.directory, c.name), c.joined);
}

}  // namespace
}  // namespace lexi
