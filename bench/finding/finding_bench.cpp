// Where the sound search and the near search list the word a user meant.
//
// Usage: finding_bench LIST CASES [COMMON]
// COMMON says how common the list's words are (match/commonness.h); without it
// the near search does not know. CASES holds one case a line: the typed word,
// a tab, the meant word (no blank in either). For each case this prints, tab-separated: the typed
// word, the meant word, the 1-based position among the lines listed of the first line whose first
// word is the meant word (0 when none is), then the first word of the first line listed (empty when
// none is), once for the sound search (searchWords, every line, in file order) and once for the
// near search (its best kNearResults lines), and how many lines the sound search listed. A last
// line "time" gives the mean time of one query of each, in microseconds,
// measured around the search calls alone, then the time NearIndex::build took,
// in milliseconds, and kNearResults. bench/finding/run.py reads this.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "match/near_search.h"
#include "match/search.h"
#include "match/sound_index.h"
#include "wordlist/text_encoding.h"
#include "wordlist/word_list.h"

namespace {

using Clock = std::chrono::steady_clock;

class ExitingNotifier : public lexi::Notifier {
 public:
  void error(std::string_view message) override {
    std::fprintf(stderr, "finding_bench: %.*s\n", static_cast<int>(message.size()), message.data());
    std::exit(1);
  }
  void warning(std::string_view message) override {
    std::fprintf(stderr, "finding_bench: %.*s\n", static_cast<int>(message.size()), message.data());
  }
};

// Keeps the lines' pointers, as the desktop program's result list does.
class LineSink : public lexi::ResultSink {
 public:
  void appendLine(const char* text) override { lines.push_back(text); }
  std::vector<const char*> lines;
};

struct Case {
  std::string typed;
  std::string meant;
};

struct Finding {
  std::size_t rank = 0;
  std::string_view first;
};

std::string_view firstWord(const char* line) {
  std::string_view text(line);
  return text.substr(0, text.find(' '));
}

Finding find(const std::vector<const char*>& lines, std::string_view meant) {
  Finding finding;
  if (!lines.empty()) finding.first = firstWord(lines.front());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (firstWord(lines[i]) == meant) {
      finding.rank = i + 1;
      break;
    }
  }
  return finding;
}

bool readCases(const char* path, std::vector<Case>& cases) {
  std::ifstream in(path);
  if (!in) {
    std::fprintf(stderr, "finding_bench: cannot open %s\n", path);
    return false;
  }
  std::string line;
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos || tab == 0 || tab + 1 == line.size() ||
        line.find_first_of(" \t*?", tab + 1) != std::string::npos ||
        line.find_first_of(" *?") < tab) {
      std::fprintf(stderr, "finding_bench: %s:%zu: not a word, a tab and a word\n", path, number);
      return false;
    }
    cases.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return true;
}

double microseconds(Clock::duration total, std::size_t queries) {
  if (queries == 0) return 0;
  return std::chrono::duration<double, std::micro>(total).count() / static_cast<double>(queries);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "Usage: finding_bench LIST CASES [COMMON]\n");
    return 2;
  }
  std::vector<Case> cases;
  if (!readCases(argv[2], cases)) return 1;
  ExitingNotifier notifier;
  lexi::WordList list;
  lexi::SoundIndex keys;
  lexi::NearIndex near;
  if (!list.load(argv[1], notifier) || !keys.build(list, notifier)) return 1;
  const Clock::time_point building = Clock::now();
  const lexi::TextEncoding encoding = lexi::detectEncoding(list);
  lexi::Commonness common;
  common.load(argc > 3 ? argv[3] : "");
  if (!near.build(list, keys, encoding, notifier, &common)) return 1;
  const Clock::duration built = Clock::now() - building;

  Clock::duration soundTime{};
  Clock::duration nearTime{};
  LineSink sound;
  LineSink nearest;
  for (const Case& c : cases) {
    sound.lines.clear();
    nearest.lines.clear();
    const Clock::time_point start = Clock::now();
    lexi::searchWords(list, encoding, &keys, c.typed.c_str(), sound, notifier);
    const Clock::time_point middle = Clock::now();
    lexi::nearSearch(near, c.typed.c_str(), lexi::kNearResults, nearest);
    const Clock::time_point end = Clock::now();
    soundTime += middle - start;
    nearTime += end - middle;
    const Finding bySound = find(sound.lines, c.meant);
    const Finding byNear = find(nearest.lines, c.meant);
    std::printf("%s\t%s\t%zu\t%.*s\t%zu\t%.*s\t%zu\n", c.typed.c_str(), c.meant.c_str(),
                bySound.rank, static_cast<int>(bySound.first.size()), bySound.first.data(),
                byNear.rank, static_cast<int>(byNear.first.size()), byNear.first.data(),
                sound.lines.size());
  }
  std::printf("time\t%.3f\t%.3f\t%.3f\t%u\n", microseconds(soundTime, cases.size()),
              microseconds(nearTime, cases.size()),
              std::chrono::duration<double, std::milli>(built).count(),
              static_cast<unsigned>(lexi::kNearResults));
  return 0;
}
