// Speed and memory of the core on a large word list.
//
// Usage: core_bench LIST [benchmark options]
// LIST is a word list such as the one bench/make_list.py writes.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "match/near_search.h"
#include "match/search.h"
#include "match/sound_index.h"
#include "wordlist/text_encoding.h"
#include "wordlist/word_list.h"

namespace {

std::string gListPath;

class SilentNotifier : public lexi::Notifier {
 public:
  void error(std::string_view message) override {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
    std::exit(1);
  }
  void warning(std::string_view) override {}
};

class CountingSink : public lexi::ResultSink {
 public:
  void appendLine(const char*) override { ++lines; }
  long lines = 0;
};

struct IndexedList {
  lexi::WordList list;
  lexi::SoundIndex keys;
  lexi::TextEncoding encoding = lexi::TextEncoding::kSingleByte;
};

const IndexedList& bigList() {
  static IndexedList indexed;
  static bool loaded = [] {
    SilentNotifier notifier;
    if (!indexed.list.load(gListPath.c_str(), notifier)) return false;
    indexed.encoding = lexi::detectEncoding(indexed.list);
    return indexed.keys.build(indexed.list, notifier);
  }();
  (void)loaded;
  return indexed;
}

// Kilobytes of resident memory, from the kernel's own accounting.
long residentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string field;
  while (status >> field) {
    if (field == "VmRSS:") {
      long kilobytes = 0;
      status >> kilobytes;
      return kilobytes;
    }
  }
  return -1;
}

// The texts alone, as the query tool loads them.
void BM_Load(benchmark::State& state) {
  SilentNotifier notifier;
  for (auto _ : state) {
    lexi::WordList list;
    benchmark::DoNotOptimize(list.load(gListPath.c_str(), notifier));
    state.counters["lines"] = static_cast<double>(list.count());
  }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The sound key of every line of the loaded list.
void BM_SoundIndex(benchmark::State& state) {
  const lexi::WordList& list = bigList().list;
  SilentNotifier notifier;
  for (auto _ : state) {
    lexi::SoundIndex keys;
    benchmark::DoNotOptimize(keys.build(list, notifier));
  }
}
BENCHMARK(BM_SoundIndex)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The texts and their keys, as the desktop program loads them.
void BM_LoadAndIndex(benchmark::State& state) {
  SilentNotifier notifier;
  for (auto _ : state) {
    lexi::WordList list;
    lexi::SoundIndex keys;
    benchmark::DoNotOptimize(list.load(gListPath.c_str(), notifier) && keys.build(list, notifier));
  }
}
BENCHMARK(BM_LoadAndIndex)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Resident memory added by the load and the index, against the file's size
// plus 16 bytes a line plus 16 MB.
void BM_ResidentAfterLoad(benchmark::State& state) {
  for (auto _ : state) {
    const long before = residentKilobytes();
    SilentNotifier notifier;
    lexi::WordList list;
    lexi::SoundIndex keys;
    list.load(gListPath.c_str(), notifier);
    const long loaded = residentKilobytes();
    keys.build(list, notifier);
    const long after = residentKilobytes();
    const double fileMb = static_cast<double>(std::filesystem::file_size(gListPath)) / 1048576.0;
    state.counters["file_MB"] = fileMb;
    state.counters["load_RSS_MB"] = static_cast<double>(loaded - before) / 1024.0;
    state.counters["added_RSS_MB"] = static_cast<double>(after - before) / 1024.0;
    state.counters["limit_MB"] = fileMb + 16.0 * list.count() / 1048576.0 + 16;
  }
}
BENCHMARK(BM_ResidentAfterLoad)->Iterations(1)->Unit(benchmark::kMillisecond);

// `asUtf8` reads the list as UTF-8 whatever it holds, for the cost of a '?'
// that stands for a character of any length.
void BM_Search(benchmark::State& state, const char* query, bool asUtf8 = false) {
  const IndexedList& indexed = bigList();
  const lexi::TextEncoding encoding = asUtf8 ? lexi::TextEncoding::kUtf8 : indexed.encoding;
  SilentNotifier notifier;
  long found = 0;
  for (auto _ : state) {
    CountingSink sink;
    lexi::searchWords(indexed.list, encoding, &indexed.keys, query, sink, notifier);
    found = sink.lines;
  }
  state.counters["found"] = static_cast<double>(found);
}
BENCHMARK_CAPTURE(BM_Search, sound_fone, "fone")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, sound_nite, "nite")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, wild_ph_star_ne, "ph*ne")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, wild_c_q_t, "c?t")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, wild_star_tion, "*tion")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, wild_a_b_c_d, "a*b*c*d")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, wild_c_q_t_utf8, "c?t", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, wild_star_q_tion_utf8, "*?tion", true)->Unit(benchmark::kMillisecond);

// What the near search derives from every line, built once before its first
// query, reading how common the words are from the file beside the list.
void BM_NearIndex(benchmark::State& state) {
  const IndexedList& indexed = bigList();
  SilentNotifier notifier;
  for (auto _ : state) {
    lexi::NearIndex near;
    lexi::Commonness common;
    common.load(lexi::Commonness::besideList(gListPath).c_str());
    benchmark::DoNotOptimize(
        near.build(indexed.list, indexed.keys, lexi::TextEncoding::kSingleByte, notifier, &common));
  }
}
BENCHMARK(BM_NearIndex)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// One near query once the index is built: its best 20 lines.
void BM_Near(benchmark::State& state, const char* query) {
  const IndexedList& indexed = bigList();
  SilentNotifier notifier;
  static lexi::NearIndex near;
  if (!near.built()) {
    lexi::Commonness common;
    common.load(lexi::Commonness::besideList(gListPath).c_str());
    near.build(indexed.list, indexed.keys, lexi::detectEncoding(indexed.list), notifier, &common);
  }
  long found = 0;
  for (auto _ : state) {
    CountingSink sink;
    lexi::nearSearch(near, query, lexi::kNearResults, sink);
    found = sink.lines;
  }
  state.counters["found"] = static_cast<double>(found);
}
BENCHMARK_CAPTURE(BM_Near, fone, "fone")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Near, recieve, "recieve")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Near, definately, "definately")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Near, supeena, "supeena")->Unit(benchmark::kMillisecond);

// 150,000 lines of 200 letters a and more, against a pattern that a
// backtracking matcher would take years over.
void BM_AdversarialPattern(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "lexi-bench-adversarial.txt";
  {
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < 150000; ++i) out << std::string(200 + i % 50, 'a') << '\n';
  }
  SilentNotifier notifier;
  lexi::WordList list;
  list.load(path.string().c_str(), notifier);
  std::filesystem::remove(path);
  for (auto _ : state) {
    CountingSink sink;
    lexi::searchWords(list, lexi::TextEncoding::kSingleByte, nullptr, "*a*a*a*a*a*a*a*b", sink,
                      notifier);
    benchmark::DoNotOptimize(sink.lines);
  }
}
BENCHMARK(BM_AdversarialPattern)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "Usage: core_bench LIST [benchmark options]\n");
    return 2;
  }
  gListPath = argv[1];
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
