// The query tool's edge between the user's text and the word list's bytes.
//
// On POSIX systems, in a UTF-8 locale a user types UTF-8 and reads UTF-8,
// whatever the list holds: the query is turned into the list's encoding and
// the lines of a single-byte (Latin-1) list are printed as UTF-8. In any other
// locale, and with --bytes, queries and lines pass as the bytes they are, which
// scripts rely on.
//
// On Windows a command line is characters (UTF-16), never bytes: the tool
// takes its arguments as UTF-8 made from them, and the query is always turned
// into the list's encoding, a single-byte list being in the ANSI code page.
// Lines go to a console as UTF-16, whatever its code page, and elsewhere as
// UTF-8, which holds every character whatever the list's code page was;
// --bytes gives the list's bytes as they are.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "wordlist/text_conversion.h"

namespace lexi {

// How the user's text meets the list's.
struct TextEdge {
  bool queryAsText = false;  // QUERY and WORD are UTF-8, to be converted
  bool linesAsText = false;  // lines are printed as text, not bytes
};

// The edge for this system and locale; `bytes` is whether --bytes was given.
// It reads the locale into an object of its own and leaves the program's
// locale as it is, so it is safe beside any other thread.
TextEdge textEdge(bool bytes);

// The set a single-byte list is read in: Latin-1, or the ANSI code page on Windows.
const ByteCharset& singleByteCharset();

// Turns `query`, valid UTF-8, into the bytes of a list in `encoding` by the
// list's one rule (wordlist/text_conversion.h). Returns an empty string, or a
// sentence naming the first of its characters that a single-byte list cannot
// hold (`converted` then holds 0x1A for it).
std::string convertQuery(std::string_view query, TextEncoding encoding, std::string& converted);

// Standard output for the lines of a list in `encoding`: as text or as bytes.
class LineWriter {
 public:
  LineWriter(TextEncoding encoding, bool asText);

  // Writes `prefix` (UTF-8, or bytes), `line` and an LF; a line of bytes or of
  // UTF-8 costs no allocation.
  void write(std::string_view prefix, const char* line);

  // Whether every line so far reached a console (buffered lines are the
  // caller's to flush with stdout).
  bool consoleFine() const { return consoleFine_; }

 private:
  ListCodec codec_;
  bool asText_;
  [[maybe_unused]] bool console_ = false;  // standard output is a Windows console
  bool consoleFine_ = true;
};

// Writes `message`, UTF-8 (file names on POSIX systems: bytes), and an LF to
// standard error, unbuffered and without allocating (the message may be that
// memory ran out). On Windows it reaches a console as UTF-16.
void sayError(std::string_view message);

}  // namespace lexi
