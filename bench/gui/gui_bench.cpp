// Figures for the desktop program, on the real dialog and a real platform
// (startup_bench times its start-up):
//   - a find of every line ("*") until the list is painted, on the bundled list
//     and on a long one;
//   - a typical sound query until painted.
// Usage: gui_bench BUNDLED_LIST LONG_LIST   (run it under X, e.g. xvfb-run)
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "ui/qt/search_window.h"
#include "wordlist/word_list.h"

namespace {

class PrintingNotifier : public lexi::Notifier {
 public:
  void error(std::string_view message) override { std::cerr << message << '\n'; }
  void warning(std::string_view message) override { std::cerr << message << '\n'; }
};

QPushButton* goButton(const lexi::SearchWindow& window) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == QStringLiteral("&Go")) return button;
  }
  return nullptr;
}

// Runs `query` through the Go button `runs` times; each time until the window
// is painted. Prints the median and the range in milliseconds.
void measureFind(lexi::SearchWindow& window, const char* label, const QString& query, int runs) {
  QComboBox* field = window.findChild<QComboBox*>();
  QPushButton* go = goButton(window);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    field->setEditText(query);
    QElapsedTimer timer;
    timer.start();
    go->click();
    window.repaint();
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    QCoreApplication::processEvents();
  }
  std::sort(times.begin(), times.end());
  std::printf("%-44s median %8.2f ms   min %8.2f   max %8.2f   (%d runs)\n", label,
              times[times.size() / 2], times.front(), times.back(), runs);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gui_bench BUNDLED_LIST LONG_LIST\n");
    return 2;
  }
  QApplication app(argc, argv);
  PrintingNotifier notifier;

  lexi::WordList bundled;
  lexi::SoundIndex bundledKeys;
  if (!bundled.load(argv[1], notifier) || !bundledKeys.build(bundled, notifier)) return 1;
  lexi::SearchWindow window(bundled, bundledKeys, lexi::detectEncoding(bundled), "lexiquarium");
  window.show();
  QCoreApplication::processEvents();
  std::printf("Platform: %s; bundled list of %u lines\n",
              qPrintable(QGuiApplication::platformName()), bundled.count());
  measureFind(window, "Find '*' on the bundled list, until painted", QStringLiteral("*"), 15);
  measureFind(window, "Sound query 'fone' on the bundled list", QStringLiteral("fone"), 31);
  measureFind(window, "Pattern 'ph*ne' on the bundled list", QStringLiteral("ph*ne"), 15);

  lexi::WordList longList;
  QElapsedTimer loading;
  loading.start();
  lexi::SoundIndex longKeys;
  if (!longList.load(argv[2], notifier) || !longKeys.build(longList, notifier)) return 1;
  std::printf("Long list of %u lines loaded in %.1f ms\n", longList.count(),
              static_cast<double>(loading.nsecsElapsed()) / 1e6);
  lexi::SearchWindow longWindow(longList, longKeys, lexi::detectEncoding(longList), "lexiquarium");
  longWindow.show();
  QCoreApplication::processEvents();
  measureFind(longWindow, "Find '*' on the long list, until painted", QStringLiteral("*"), 9);
  measureFind(longWindow, "Sound query 'fone' on the long list", QStringLiteral("fone"), 15);
  return 0;
}
