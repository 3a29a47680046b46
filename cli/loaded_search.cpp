#include "cli/loaded_search.h"

#include "match/search.h"
#include "wordlist/text_encoding.h"

namespace lexi::find {

std::string queryProblem(const char* query, const TextEdge& edge, const QueryOptions& options) {
  if (edge.queryAsText && !isValidUtf8(query)) return "the QUERY is not valid UTF-8";
  if (options.near && isPattern(query)) {
    return "--near finds words, not patterns: the QUERY holds '*' or '?'";
  }
  return {};
}

bool LoadedSearch::load(const char* fileName, bool near, Notifier& notifier) {
  if (!loadList(fileName, list_, notifier)) return false;
  if (!near) return true;
  Commonness common;
  common.load(Commonness::besideList(fileName).c_str());
  return near_.build(list_.words, list_.keys, list_.encoding, notifier, &common);
}

Answer LoadedSearch::answer(const char* query, const TextEdge& edge, const QueryOptions& options,
                            LineOutput& output, Notifier& notifier) const {
  Answer answer;
  answer.problem = queryProblem(query, edge, options);
  std::string converted = query;
  if (answer.problem.empty() && edge.queryAsText) {
    answer.problem = convertQuery(query, list_.encoding, converted);
  }
  if (!answer.problem.empty()) {
    answer.status = kBadUsage;
    return answer;
  }
  output.setEncoding(list_.encoding);
  const unsigned long long before = output.lines();
  if (options.near) {
    nearSearch(near_, converted.c_str(), options.maxResults, output);
  } else if (searchWords(list_.words, list_.encoding, &list_.keys, converted.c_str(), output,
                         notifier) == SearchOutcome::kStoppedByStars) {
    answer.status = kStarsOverLimit;
    return answer;
  }
  answer.status = output.lines() > before ? kFound : kNothingFound;
  return answer;
}

}  // namespace lexi::find
