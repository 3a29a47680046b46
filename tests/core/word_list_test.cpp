#include "wordlist/word_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "tests/core/test_support.h"
#include "tests/core/text_mode_model.h"
#include "wordlist/entry_array.h"
#include "wordlist/input_file.h"
#include "wordlist/line_stream.h"
#include "wordlist/stepped_take.h"
#include "wordlist/text_encoding.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lexi {
namespace {

using testing_only::RecordingNotifier;
using testing_only::ScratchDirectory;
using Lines = std::vector<std::string>;

// One way to read a list: a plan, and whether the file grows while it is read
// (its first read appends the second half, so that the last chunk finds more
// than the size the load began with). A plan without chunks stands for a pipe,
// which has no size and is read as a stream. A list `taken` is read by the
// caller and handed over in memory, whole or in steps of that many bytes.
constexpr std::size_t kWhole = SIZE_MAX;
struct Way {
  ReadingPlan plan;
  bool grows = false;
  std::size_t taken = 0;
};

// Loads `bytes`, which must succeed without a message, and gives the lines.
Lines loaded(const std::string& bytes, WordList& list, const Way& way = {}) {
  ReadingPlan plan = way.plan;
  RecordingNotifier notifier;
  const auto copied = [&bytes] {
    auto* const text = static_cast<char*>(std::malloc(bytes.size() + 1));
    return std::copy(bytes.begin(), bytes.end(), text) - bytes.size();
  };
  if (way.taken == kWhole) {
    EXPECT_TRUE(list.take(copied(), bytes.size(), notifier));
  } else if (way.taken != 0) {
    SteppedTake steps;
    steps.start(copied(), bytes.size());
    while (steps.step(way.taken)) continue;
    EXPECT_TRUE(steps.finish(list, notifier));
  }
  ScratchDirectory dir;
  std::string path = (dir.path() / "words.txt").string();
  std::thread writer;
#ifndef _WIN32
  if (plan.chunkBytes == 0) {
    EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
    writer = std::thread([&] { dir.write("words.txt", bytes); });
  }
#endif
  const std::size_t first = way.grows ? (bytes.size() + 1) / 2 : bytes.size();
  std::string rest = bytes.substr(first);
  if (way.grows) {
    plan.read = [&path, &rest](InputFile& file, char* buffer, std::size_t size,
                               std::uint64_t offset, int& error) {
      if (!rest.empty()) std::ofstream(path, std::ios::binary | std::ios::app) << rest;
      rest.clear();
      return file.readAt(buffer, size, offset, error);
    };
  }
  if (!writer.joinable()) path = dir.write("words.txt", bytes.substr(0, first));
  if (way.taken == 0) {
    EXPECT_TRUE(list.load(path.c_str(), notifier, plan.chunkBytes == 0 ? ReadingPlan{} : plan));
  }
  if (writer.joinable()) writer.join();
  EXPECT_TRUE(notifier.errors.empty() && notifier.warnings.empty());
  Lines lines;
  for (std::uint32_t i = 0; i < list.count(); ++i) lines.emplace_back(list.entries()[i].text);
  return lines;
}

// The lines of `bytes` read through LineStream's small buffer, as the query
// tool reads a list, which must succeed without a message.
Lines streamed(const std::string& bytes) {
  ScratchDirectory dir;
  const std::string path = dir.write("words.txt", bytes);
  RecordingNotifier notifier;
  LineStream stream;
  EXPECT_TRUE(stream.open(path.c_str(), notifier));
  Lines lines;
  for (const char* line = nullptr; stream.next(line);) lines.emplace_back(line);
  EXPECT_TRUE(!stream.failed() && notifier.errors.empty());
  return lines;
}

// Pieces of one chunk of one byte, of two of two, ..., each shared out with a
// helper or read by one thread, chunks of 1 MiB, a pipe, a file that grew and
// bytes taken from memory whole or in steps of a byte or of three.
constexpr Sharing kHelper = Sharing::kHelper;
constexpr Sharing kAlone = Sharing::kNone;
const Way kEveryWay[] = {{{1, 1, kHelper}},       {{2, 2, kHelper}},      {{3, 1, kAlone}},
                         {{1 << 20, 2, kHelper}}, {{1 << 20, 1, kAlone}}, {{0, 1, kHelper}},
                         {{7, 1, kAlone}, true},  {{}, false, kWhole},    {{}, false, 1},
                         {{}, false, 3}};

TEST(Loader, FollowsTheTextModeRulesOfTheTableReadAnyWay) {
  const auto rows = testing_only::readTable("core/line_rules.txt");
  EXPECT_GT(rows.size(), 15u);
  for (const auto& row : rows) {
    for (const Way& way : kEveryWay) {
      WordList list;
      EXPECT_EQ(loaded(row[0], list, way), Lines(row.begin() + 1, row.end()))
          << row[0] << " in chunks of " << way.plan.chunkBytes;
    }
    EXPECT_EQ(streamed(row[0]), Lines(row.begin() + 1, row.end())) << row[0] << " streamed";
  }
}

// Random lists from none to 200000 lines of random lengths, one of 1 MB: empty
// lines, CR LF, lone CRs, NULs, a 0x1A or none, a line end after the last line
// or none, read every way (in chunks of a size drawn for each list) against
// the plain model.
TEST(Loader, AgreesWithThePlainModelOnRandomListsReadAnyWay) {
  std::mt19937 random(19);
  const auto below = [&random](std::size_t n) { return random() % n; };
  for (const std::uint32_t lines : {0u, 1u, 2u, 3u, 40u, 900u, 9000u, 150000u, 200000u}) {
    std::string bytes;
    for (std::size_t i = 0; i < lines; ++i) {
      std::string line(below(4) == 0 ? 0 : below(below(8) == 0 ? 80 : 12), 'a');
      for (char& c : line) c = "abc\r\0 xyz"[below(below(10) == 0 ? 9 : 3)];
      bytes += line + (below(3) == 0 ? "\r\n" : "\n");
    }
    if (lines == 40) bytes.insert(below(bytes.size()), 1'000'000, 'q');
    if (below(2) == 0) bytes.resize(bytes.size() - std::min(bytes.size(), 1 + below(2)));
    if (below(2) == 0) bytes.insert(bytes.size() - below(bytes.size() / 8 + 1), 1, '\x1a');
    const Lines model = testing_only::modelLines(bytes);
    ASSERT_TRUE(streamed(bytes) == model) << lines << " lines streamed";
    for (Way way : kEveryWay) {
      // At most a few thousand chunks.
      if (way.plan.chunkBytes < 8)
        way.plan.chunkBytes += below(bytes.size() / 500 + 8) + bytes.size() / 2000;
      WordList list;
      ASSERT_TRUE(loaded(bytes, list, way) == model)
          << lines << " lines in chunks of " << way.plan.chunkBytes;
    }
  }
}

// Two arrays that start with room for one entry take a thousand in turn, so
// that neither can grow where it lies, as a long pipe's entries may not: every
// entry is kept as they move and shrink.
TEST(EntryArray, KeepsEveryEntryAsItGrows) {
  EntryArray arrays[2] = {EntryArray(1), EntryArray(1)};
  const std::string text(1000, 'a');
  for (const char& each : text) {
    for (EntryArray& entries : arrays) ASSERT_TRUE(entries.add(&each));
  }
  for (EntryArray& entries : arrays) {
    ASSERT_TRUE(entries.shrinkToFit());
    ASSERT_EQ(entries.count(), text.size());
    WordEntry* const kept = entries.release();
    for (std::size_t i = 0; i < text.size(); ++i) EXPECT_EQ(kept[i].text, &text[i]);
    std::free(kept);
  }
}

// A disk that cannot give byte 10 of a file: every read that would reach it
// fails, as a real read error does.
long failingAtByte10(InputFile& file, char* buffer, std::size_t size, std::uint64_t offset,
                     int& error) {
  if (offset <= 10 && 10 - offset < size) {
    error = EIO;
    return -1;
  }
  return file.readAt(buffer, size, offset, error);
}

// The failures a user can meet, each with the exact text shown; the list is then
// empty, even if it held lines before. A read fails in the only chunk, in a later
// piece read by this thread, in the first piece of a shared read, and in a piece
// that either thread may read.
TEST(Loader, FailuresGiveTheirMessageAndLeaveTheListEmpty) {
  ScratchDirectory dir;
  const std::string unreadable = dir.write("unreadable.txt", "a\n");
  std::filesystem::permissions(unreadable, std::filesystem::perms::none);
  std::filesystem::create_directory(dir.path() / "LexiquariumWords.txt");
  const std::string closing = ".\n\nLexiquarium will close now.";
  const std::string none = (dir.path() / "none.txt").make_preferred().string();
#ifdef _WIN32
  // The runtime will not open a directory, and no permission keeps the owner from reading.
  const std::string directory = "Error: Cannot open file '" +
                                (dir.path() / WordList::kFileName).make_preferred().string() +
                                "':\nPermission denied" + closing;
  const bool readsEveryFile = true;
#else
  const std::string directory =
      "Error: Cannot read file 'LexiquariumWords.txt':\nIs a directory" + closing;
  const bool readsEveryFile = ::geteuid() == 0;
#endif
  dir.write("words.txt", "one\ntwo\nthree\nfour\n");
  const std::string readError =
      "Error: Cannot read file 'words.txt':\nInput/output error" + closing;
  struct Case {
    std::string path;
    std::string message;
    ReadingPlan plan = {};
  } cases[] = {
      {"none.txt", "Error: Cannot open file '" + none + "':\nNo such file or directory" + closing},
      {none, "Error: Cannot open file '" + none + "':\nNo such file or directory" + closing},
      {WordList::kFileName, directory},
      {"unreadable.txt", readsEveryFile ? ""
                                        : "Error: Cannot open file '" + unreadable +
                                              "':\nPermission denied" + closing},
      {"words.txt", readError, {64, 1, kAlone, failingAtByte10}},
      {"words.txt", readError, {4, 1, kAlone, failingAtByte10}},
      {"words.txt", readError, {16, 1, kHelper, failingAtByte10}},
      {"words.txt", readError, {2, 2, kHelper, failingAtByte10}},
  };
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  for (const Case& c : cases) {
    if (c.message.empty()) continue;  // root reads every file
    WordList list;
    loaded("one\n", list);
    RecordingNotifier notifier;
    EXPECT_FALSE(list.load(c.path.c_str(), notifier, c.plan));
    EXPECT_EQ(notifier.errors, Lines{c.message});
    EXPECT_EQ(list.count(), 0u);
  }
  std::filesystem::current_path(before);
}

TEST(Encoding, IsUtf8OnlyForValidUtf8WithAByteAbove7F) {
  const auto rows = testing_only::readTable("core/encodings.txt");
  EXPECT_GT(rows.size(), 10u);
  for (const auto& row : rows) {
    WordList list;
    loaded(row[0], list);
    EXPECT_EQ(detectEncoding(list) == TextEncoding::kUtf8, row[1] == "utf8") << row[0];
  }
}

TEST(JoinPath, UsesOneSeparator) {
#ifdef _WIN32
  const char* const cases[][3] = {{"C:\\Me", "w.txt", "C:\\Me\\w.txt"},
                                  {"C:\\", "w.txt", "C:\\w.txt"},
                                  {"\\\\host\\share\\", "w.txt", "\\\\host\\share\\w.txt"},
                                  {"C:\\Me", "D:\\w.txt", "D:\\w.txt"},
                                  // no current directory to be found
                                  {"", "w.txt", "w.txt"}};
#else
  const char* const cases[][3] = {{"/home/me", "w.txt", "/home/me/w.txt"},
                                  {"/", "w.txt", "/w.txt"},
                                  {"/home/me/", "w.txt", "/home/me/w.txt"},
                                  {"/home/me", "sub/w.txt", "/home/me/sub/w.txt"},
                                  {"/home/me", "/etc/w.txt", "/etc/w.txt"}};
#endif
  for (const auto& c : cases) EXPECT_EQ(joinPath(c[0], c[1]), c[2]);
}

}  // namespace
}  // namespace lexi
