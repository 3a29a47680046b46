#include "cli/query_file.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "base/error_text.h"
#include "cli/tool.h"
#include "wordlist/input_file.h"
#include "wordlist/line_reader.h"

namespace lexi::find {

namespace {

// Tells what a query's search says after where the query stands.
class QueryNotifier : public Notifier {
 public:
  explicit QueryNotifier(const std::string& where) : where_(where) {}
  void error(std::string_view message) override { sayError(where_ + std::string(message)); }
  void warning(std::string_view message) override { error(message); }

 private:
  const std::string& where_;
};

}  // namespace

int answerQueries(const char* fileName, const char* queriesPath, const TextEdge& edge,
                  const QueryOptions& options, Notifier& notifier) {
  InputFile input;
  const bool standardInput = std::strcmp(queriesPath, "-") == 0;
  if (standardInput) {
    input.useStandardInput();
  } else if (const int error = input.open(queriesPath); error != 0) {
    sayError("lexiquarium-find: cannot open the queries '" + std::string(queriesPath) +
             "': " + errorText(error));
    return kLoadFailed;
  }
  LoadedSearch search;
  if (!search.load(fileName, options.near, notifier)) return kLoadFailed;

  const bool answerAtOnce = input.size() == 0;
  LineReader reader(input);
  LineOutput output(edge.linesAsText);
  int failure = kFound;
  std::string prefix;
  std::string where;
  const char* query = nullptr;
  int readStatus = 0;
  for (unsigned long long number = 1; reader.getALine(query, readStatus); ++number) {
    where = "lexiquarium-find: line " + std::to_string(number) + ": ";
    QueryNotifier told(where);
    prefix.assign(query).push_back('\t');
    output.setPrefix(prefix);
    const Answer answer = search.answer(query, edge, options, output, told);
    if (!answer.problem.empty()) told.error(answer.problem);
    if (failure == kFound && (answer.status == kBadUsage || answer.status == kStarsOverLimit)) {
      failure = answer.status;
    }
    if (answerAtOnce) std::fflush(stdout);
  }
  if (readStatus != 0) {
    const std::string why = readStatus < 0 ? "out of memory" : errorText(readStatus);
    const std::string from =
        standardInput ? "standard input" : "the queries '" + std::string(queriesPath) + "'";
    sayError("lexiquarium-find: cannot read " + from + ": " + why);
    return finish(kLoadFailed, output.consoleFine());
  }
  if (failure != kFound) return finish(failure, output.consoleFine());
  return finishFound(output);
}

}  // namespace lexi::find
