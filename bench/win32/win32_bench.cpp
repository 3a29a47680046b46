// Figures for the Windows program, on the real dialog from its template, under
// Wine or on Windows:
//   - start-up: process creation to the dialog painted, the word list loaded
//     and indexed first just as the program does it;
//   - a find of every line ("*") until the list is painted, on the bundled list
//     and on a long one;
//   - a typical sound query until painted.
// Usage: win32_bench BUNDLED_LIST LONG_LIST
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "res/windows/resource.h"
#include "ui/win32/search_dialog.h"

namespace {

double nowMs() {
  LARGE_INTEGER count;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double msSinceProcessCreation() {
  FILETIME creation;
  FILETIME exited;
  FILETIME kernel;
  FILETIME user;
  FILETIME now;
  GetProcessTimes(GetCurrentProcess(), &creation, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = [](FILETIME time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(now) - ticks(creation)) / 1e4;  // 100 ns ticks
}

struct Query {
  const char* label;
  const char* text;
  int runs;
};

// What the next dialog measures once it is up.
const std::vector<Query>* pending;
bool reportStartUp;
double mainMs;
double loadedMs;

// Runs each query through the Go button; each time until the window is painted.
void measure(HWND dialog, const Query& query) {
  std::vector<double> times;
  for (int i = 0; i < query.runs; ++i) {
    SetDlgItemTextA(dialog, IDC_WORD, query.text);
    const double start = nowMs();
    SendDlgItemMessageA(dialog, IDC_GO, BM_CLICK, 0, 0);
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    times.push_back(nowMs() - start);
  }
  std::sort(times.begin(), times.end());
  std::printf("%-44s median %8.2f ms   min %8.2f   max %8.2f   (%d runs)\n", query.label,
              times[times.size() / 2], times.front(), times.back(), query.runs);
}

// The first timer message comes only once the dialog has no painting left to do.
void CALLBACK dialogUp(HWND, UINT, UINT_PTR timer, DWORD) {
  const double shown = msSinceProcessCreation();
  KillTimer(nullptr, timer);
  const HWND dialog = FindWindowA(nullptr, "Lexiquarium");
  if (reportStartUp) {
    std::printf("  process creation to main                         %8.1f ms\n", mainMs);
    std::printf("  process creation to word list loaded and indexed %8.1f ms\n", loadedMs);
    std::printf("  process creation to dialog painted (+0..10 ms)   %8.1f ms\n", shown);
  }
  for (const Query& query : *pending) measure(dialog, query);
  SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

bool runDialog(const char* path, const std::vector<Query>& queries, bool startUp) {
  lexi::WordList words;
  lexi::SoundIndex keys;
  lexi::Win32MessageDisplay messages;
  lexi::MessageNotifier notifier(messages);
  const double start = nowMs();
  if (!words.load(path, notifier) || !keys.build(words, notifier)) return false;
  loadedMs = startUp ? msSinceProcessCreation() : nowMs() - start;
  if (startUp) {
    std::printf("Start-up, list of %u lines:\n", words.count());
  } else {
    std::printf("List of %u lines loaded and indexed in %.1f ms\n", words.count(), loadedMs);
  }
  pending = &queries;
  reportStartUp = startUp;
  SetTimer(nullptr, 0, 0, dialogUp);
  lexi::SearchDialog(words, keys, lexi::detectEncoding(words), "lexiquarium").run();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  mainMs = msSinceProcessCreation();
  if (argc != 3) {
    std::fprintf(stderr, "usage: win32_bench BUNDLED_LIST LONG_LIST\n");
    return 2;
  }
  const std::vector<Query> bundled = {
      {"Find '*' on the bundled list, until painted", "*", 15},
      {"Sound query 'fone' on the bundled list", "fone", 31},
      {"Pattern 'ph*ne' on the bundled list", "ph*ne", 15},
  };
  const std::vector<Query> longList = {
      {"Find '*' on the long list, until painted", "*", 9},
      {"Sound query 'fone' on the long list", "fone", 15},
  };
  return runDialog(argv[1], bundled, true) && runDialog(argv[2], longList, false) ? 0 : 1;
}
