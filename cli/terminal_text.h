// The query tool's edge between the terminal's text and the word list's bytes.
//
// In a UTF-8 locale a user types UTF-8 and reads UTF-8, whatever the list holds:
// the query is turned into the list's encoding and the lines of a single-byte
// (Latin-1) list are printed as UTF-8. In any other locale, and with --bytes,
// queries and lines pass as the bytes they are, which scripts rely on.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "wordlist/text_encoding.h"

namespace lexi {

// Whether the character set of the user's LC_CTYPE locale is UTF-8. It reads
// the locale from the environment into an object of its own and leaves the
// program's locale as it is, so it is safe beside any other thread.
bool terminalIsUtf8();

// Turns `query`, valid UTF-8, into the bytes of a list in `encoding` by the
// list's one rule (wordlist/text_conversion.h). Returns an empty string, or a
// sentence naming the first of its characters that a single-byte list cannot
// hold (`converted` then holds 0x1A for it).
std::string convertQuery(std::string_view query, TextEncoding encoding, std::string& converted);

// Writes `text`, a line of a single-byte list, as UTF-8.
void putLatin1AsUtf8(const char* text, std::FILE* out);

}  // namespace lexi
