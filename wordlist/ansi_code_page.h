// The ANSI code page's characters as a single-byte set for ListCodec, on
// Windows only: there a single-byte word list is read in the code page the
// system gives programs, which both the dialog and the query tool show and
// search it in. The one call to the system is here, beside the list's rule.
#pragma once

#ifdef _WIN32

#include "wordlist/text_conversion.h"

namespace lexi {

// The character of each byte in the ANSI code page, read from the system on
// the first call (safe on any thread) and kept for the program's life. A byte
// the code page cannot turn into one UTF-16 unit alone (undefined, or the
// first of two in an Asian code page) stands for none (kNoCharacter).
const ByteCharset& ansiCodePageCharset();

// The code page's number, for messages ("1252").
unsigned ansiCodePageNumber();

}  // namespace lexi

#endif
