// TextEncoding: how the bytes of a word list's lines are read as characters.
//
// The engine matches and keys bytes and never needs to know. The front ends do:
// they show the lines in the list's encoding and turn a typed query into it.
// A list is UTF-8 when all its lines are valid UTF-8 and at least one holds a
// byte above 0x7F; any other list is single-byte text, one byte a character
// (Latin-1 on Linux, the ANSI code page on Windows). Plain ASCII is both.
#pragma once

#include <string_view>

#include "wordlist/word_list.h"

namespace lexi {

enum class TextEncoding { kSingleByte, kUtf8 };

// Whether `text` is well-formed UTF-8: no stray or missing continuation bytes,
// no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

// Decides the encoding of a loaded list; it reads every line once.
TextEncoding detectEncoding(const WordList& list);

}  // namespace lexi
