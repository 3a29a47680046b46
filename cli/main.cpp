// lexiquarium-find: the word finder's search from the command line, for scripts,
// tests and benchmarks. It loads the word list and searches exactly as the
// desktop program does, and prints the matching lines, as bytes or as text
// (cli/terminal_text.h tells which).

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "base/error_text.h"
#include "cli/loaded_search.h"
#include "cli/query_file.h"
#include "cli/streamed_search.h"
#include "cli/terminal_text.h"
#include "cli/tool.h"
#include "match/sound_key.h"
#include "wordlist/input_file.h"
#include "wordlist/line_reader.h"
#include "wordlist/word_list.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

// A query such as "ph*ne" reaches the program as typed, never expanded into the
// names of files.
extern "C" {
int _dowildcard = 0;
}
#endif

namespace {

using namespace lexi::find;

constexpr const char* kUsage =
    "Usage: lexiquarium-find [--bytes] [--list FILE] [--] QUERY\n"
    "       lexiquarium-find [--bytes] [--list FILE] --near [--max N] [--] QUERY\n"
    "       lexiquarium-find [--bytes] [--list FILE] [--near [--max N]] --queries FILE\n"
    "       lexiquarium-find [--bytes] --key [WORD...]\n"
    "       lexiquarium-find --help | --version\n";

constexpr const char* kHelp =
    "Prints the lines of the word list that match QUERY, in word-list order.\n"
    "\n"
    "A QUERY holding '*' (any run of characters) or '?' (one character) is a\n"
    "pattern that must match the start of a line up to a blank or the end of the\n"
    "line, ignoring the case of A-Z. Any other QUERY finds the lines whose first\n"
    "word sounds like the QUERY's first word.\n"
    "\n"
    "With --near, QUERY is a word (no '*' or '?') and the lines printed are those\n"
    "whose first word is nearest to it, best first: words a slip or two away,\n"
    "and words that sound nearly alike. A line whose first word is QUERY itself,\n"
    "ignoring the case of A-Z, comes first.\n"
    "\n"
    "  --list FILE  search FILE instead of LexiquariumWords.txt in the current directory,\n"
    "               or without one there, the list installed with lexiquarium-find\n"
    "  --near       print the lines nearest to the QUERY word, best first\n"
    "  --max N      with --near, print at most N lines (default 20)\n"
    "  --queries FILE  answer each line of FILE ('-': standard input) as a QUERY,\n"
    "               loading the word list once; each line printed is the QUERY,\n"
    "               a tab and the line found\n"
    "  --key        print the sound key of each WORD, or of each line of standard input\n"
    "  --bytes      take the QUERY and print the lines as bytes, whatever the locale\n"
    "  --           end of options, for a QUERY that begins with '-'\n"
    "  --help       print this help (on Windows /? too)\n"
    "  --version    print the version\n"
    "\n"
    "In a UTF-8 locale, QUERY and WORD are UTF-8 and lines are printed as UTF-8,\n"
    "converted from a Latin-1 word list; a word list is UTF-8 when it is valid\n"
    "UTF-8 and holds a byte above 0x7F, and Latin-1 otherwise. In other locales,\n"
    "and with --bytes, queries and lines pass as bytes. On Windows, QUERY and WORD\n"
    "are always characters, and a word list that is not UTF-8 is in the ANSI code\n"
    "page; lines are shown as they are in a console and printed as UTF-8 to a file\n"
    "or a pipe, and --bytes prints them as bytes. '?' stands for one\n"
    "character of the word list in every case: in a UTF-8 list a letter such as\n"
    "'o' with an accent, two bytes, takes one '?'.\n"
    "\n"
    "Exit status: 0 lines or keys printed, 1 the word list or input could not be\n"
    "read, 2 bad usage or a query the word list cannot hold, 3 nothing found,\n"
    "4 too many '*' (more than 8), 5 the output could not be written.\n"
    "With --near, 3 means no line is near. With --queries, a QUERY that cannot be\n"
    "searched is told on standard error after its line's number and the others\n"
    "are answered; the status is then that of the first such QUERY (2 or 4).\n";

// What asks for the help in the system's own manner: Windows programs answer "/?".
#ifdef _WIN32
constexpr std::string_view kSystemHelp = "/?";
#else
constexpr std::string_view kSystemHelp = "--help";
#endif

// Reads a count of lines from 1 to a million: digits only, no sign or blank.
bool parseCount(std::string_view text, std::uint32_t& count) {
  constexpr std::uint32_t kMost = 1000000;
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > kMost) {
    return false;
  }
  count = value;
  return true;
}

int usageError(const std::string& problem) {
  lexi::sayError("lexiquarium-find: " + problem);
  std::fputs(kUsage, stderr);
  return kBadUsage;
}

void printKey(std::string_view word) {
  std::fputs(lexi::soundKey(word).text, stdout);
  std::fputc('\n', stdout);
}

int printKeys(int count, char** words, bool utf8) {
  for (int i = 0; i < count; ++i) {
    if (utf8 && !lexi::isValidUtf8(words[i])) return queryError("a WORD is not valid UTF-8");
  }
  for (int i = 0; i < count; ++i) printKey(words[i]);
  if (count > 0) return finish(kFound);

  lexi::InputFile input;
  input.useStandardInput();
  lexi::LineReader reader(input);
  const char* line = nullptr;
  int status = 0;
  bool printed = false;
  while (reader.getALine(line, status)) {
    printKey(line);
    printed = true;
  }
  if (status != 0) {
    const std::string why = status < 0 ? "out of memory" : lexi::errorText(status);
    lexi::sayError("lexiquarium-find: cannot read standard input: " + why);
    std::fflush(stdout);
    return kLoadFailed;
  }
  return finish(printed ? kFound : kNothingFound);
}

// The list read when no --list is given: the current directory's, else the
// one installed with the tool (where the install puts it, LEXI_LIST_FROM_TOOL
// from the tool's own folder), so that the tool works from any folder. Null
// after telling that neither could be opened; any other failure is the load's
// to tell.
const char* listWithoutOption(std::string& storage) {
  const char* const here = lexi::WordList::kFileName;
  lexi::InputFile probe;
  if (probe.open(here) != ENOENT) return here;
  const std::string folder = lexi::besideProgram(LEXI_LIST_FROM_TOOL);
  if (folder.empty()) return here;
  storage = lexi::joinPath(folder, here);
  const int error = probe.open(storage.c_str());
  if (error != ENOENT) return storage.c_str();
  StderrNotifier().error(lexi::cannotOpenMessage(here, error, storage));
  return nullptr;
}

int search(const char* listPath, const char* query, lexi::TextEdge edge,
           const QueryOptions& options) {
  if (const std::string problem = queryProblem(query, edge, options); !problem.empty()) {
    return queryError(problem);
  }
  StderrNotifier notifier;
  if (!options.near) return searchStreamed(listPath, query, edge, notifier);
  LoadedSearch loaded;
  if (!loaded.load(listPath, true, notifier)) return kLoadFailed;
  LineOutput output(edge.linesAsText);
  const Answer answer = loaded.answer(query, edge, options, output, notifier);
  if (!answer.problem.empty()) return queryError(answer.problem);
  return finishFound(output);
}

int answerFile(const char* listPath, const char* queriesPath, lexi::TextEdge edge,
               const QueryOptions& options) {
  StderrNotifier notifier;
  return answerQueries(listPath, queriesPath, edge, options, notifier);
}

int run(int argc, char** argv) {
  static char outputBuffer[1 << 16];
  std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

  int next = 1;
  bool bytes = false;
  if (next < argc && std::string_view(argv[next]) == "--bytes") {
    bytes = true;
    ++next;
  }
  if (next < argc) {
    const std::string_view first = argv[next];
    if (first == "--help" || first == kSystemHelp) {
      std::fputs(kUsage, stdout);
      std::fputs("\n", stdout);
      std::fputs(kHelp, stdout);
      return finish(kFound);
    }
    if (first == "--version") {
      std::fputs("lexiquarium-find " LEXI_VERSION "\n", stdout);
      return finish(kFound);
    }
    if (first == "--key") {
      return printKeys(argc - next - 1, argv + next + 1, lexi::textEdge(bytes).queryAsText);
    }
  }

  const char* listPath = nullptr;
  QueryOptions near;
  bool maxGiven = false;
  const char* queriesPath = nullptr;
  for (; next < argc && argv[next][0] == '-' && argv[next][1] != '\0'; ++next) {
    const std::string_view option = argv[next];
    if (option == "--") {
      ++next;
      break;
    }
    if (option == "--bytes") {
      bytes = true;
      continue;
    }
    if (option == "--near") {
      near.near = true;
      continue;
    }
    if (option == "--max") {
      if (++next == argc) return usageError("--max needs a number N");
      if (!parseCount(argv[next], near.maxResults)) {
        return usageError("--max needs a whole number N from 1 to 1000000");
      }
      maxGiven = true;
      continue;
    }
    if (option == "--queries") {
      if (++next == argc) return usageError("--queries needs a FILE");
      queriesPath = argv[next];
      continue;
    }
    if (option != "--list") return usageError("unknown option '" + std::string(option) + "'");
    if (++next == argc) return usageError("--list needs a FILE");
    listPath = argv[next];
  }
  if (maxGiven && !near.near) return usageError("--max goes with --near");
  if (queriesPath != nullptr && next != argc) {
    return usageError("--queries takes the queries from its FILE, not a QUERY");
  }
  if (queriesPath == nullptr) {
    if (next == argc) return usageError("no QUERY given");
    if (argc - next > 1) return usageError("give one QUERY (quote a query that holds blanks)");
    if (argv[next][0] == '\0') return usageError("the QUERY is empty");
  }
  std::string installed;
  if (listPath == nullptr && (listPath = listWithoutOption(installed)) == nullptr) {
    return kLoadFailed;
  }
  if (queriesPath != nullptr) {
    return answerFile(listPath, queriesPath, lexi::textEdge(bytes), near);
  }
  return search(listPath, argv[next], lexi::textEdge(bytes), near);
}

}  // namespace

#ifdef _WIN32
// A Windows command line is UTF-16: each argument reaches the search as UTF-8,
// whatever the ANSI code page could have held of it. Lines go out as they are
// written, each ended by LF alone, as on every system.
int wmain(int argc, wchar_t** wideArgv) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  const lexi::ListCodec utf8(lexi::TextEncoding::kUtf8);
  std::vector<std::string> arguments;
  std::vector<char*> argv;
  for (int i = 0; i < argc; ++i) {
    const std::wstring_view wide = wideArgv[i];
    const std::u16string_view units(reinterpret_cast<const char16_t*>(wide.data()), wide.size());
    arguments.push_back(utf8.toList(units).bytes);
  }
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return run(argc, argv.data());
}
#else
int main(int argc, char** argv) {
  return run(argc, argv);
}
#endif
