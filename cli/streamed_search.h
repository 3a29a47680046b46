// searchStreamed: a one-shot pattern or sound query over a word list read
// through a small buffer (wordlist/line_stream.h), as grep reads: the memory it
// takes is that buffer and the lines found, never the list.
//
// It prints what loading the list and running searchWords would print, byte
// for byte, with the same messages and statuses. Each line found is written as
// soon as what it prints is known. Where that depends on the list's encoding,
// which only the whole list decides (text_encoding.h), the lines found under
// either encoding are kept until it is known: from the first line that is not
// plain ASCII to the end of the list, or to a line that is not valid UTF-8.
#pragma once

#include "cli/terminal_text.h"
#include "wordlist/notifier.h"

namespace lexi::find {

// Runs `query` (valid UTF-8 when edge.queryAsText; not empty) over the list at
// `fileName`, telling `notifier` what goes wrong. Returns the exit status.
int searchStreamed(const char* fileName, const char* query, const TextEdge& edge,
                   Notifier& notifier);

}  // namespace lexi::find
