// LoadedSearch: the word list loaded whole, with the indexes that a --near
// query, or a run of many queries (--queries), needs; each query then costs a
// search and nothing more.
#pragma once

#include <cstdint>
#include <string>

#include "cli/terminal_text.h"
#include "cli/tool.h"
#include "match/commonness.h"
#include "match/loaded_list.h"
#include "match/near_search.h"
#include "wordlist/notifier.h"

namespace lexi::find {

// How each QUERY is searched: --near and --max.
struct QueryOptions {
  bool near = false;
  std::uint32_t maxResults = kNearResults;
};

// Why `query` cannot be searched before the list is read, or an empty string:
// it is not valid UTF-8 where it must be, or it is a pattern given to --near.
std::string queryProblem(const char* query, const TextEdge& edge, const QueryOptions& options);

// What one query gave: kFound, kNothingFound, kBadUsage with `problem`, or
// kStarsOverLimit (the notifier was told).
struct Answer {
  int status = kNothingFound;
  std::string problem;
};

class LoadedSearch {
 public:
  // Loads the list at `fileName`, its encoding and its sound index, and for
  // --near its near index, with the commonness file beside the list. Returns
  // false after telling `notifier`.
  bool load(const char* fileName, bool near, Notifier& notifier);

  // Writes the lines that `query` finds (not empty) to `output`.
  Answer answer(const char* query, const TextEdge& edge, const QueryOptions& options,
                LineOutput& output, Notifier& notifier) const;

 private:
  LoadedList list_;
  NearIndex near_;
};

}  // namespace lexi::find
