// answerQueries: --queries FILE, many queries in one run. The list is loaded
// once, with its indexes (loaded_search.h), and each line of FILE is a query,
// answered in order: each line found is written after the query and a tab, so
// that a script can tell the answers apart. A query that finds nothing writes
// nothing, and an empty line is such a query. A query that cannot be searched
// is told on standard error, after the number of its line, and the run goes on.
//
// From a pipe or a terminal, each answer is written out before the next query
// is read, so that a program can ask and read in turn.
#pragma once

#include "cli/loaded_search.h"
#include "cli/terminal_text.h"
#include "wordlist/notifier.h"

namespace lexi::find {

// Answers the queries of `queriesPath` ("-": standard input) over the list at
// `fileName`. Returns the status of the first query that failed (kBadUsage or
// kStarsOverLimit), else kFound when a line was written and kNothingFound when
// none was; kLoadFailed when the list or the queries cannot be read.
int answerQueries(const char* fileName, const char* queriesPath, const TextEdge& edge,
                  const QueryOptions& options, Notifier& notifier);

}  // namespace lexi::find
