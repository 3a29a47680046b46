#include "cli/terminal_text.h"

#include <cstring>
#include <utility>
#ifdef _WIN32
#include <windows.h>

#include "wordlist/ansi_code_page.h"
#else
#include <langinfo.h>
#include <locale.h>
#endif

namespace lexi {

namespace {

// Writes `text`, a line of a single-byte list, as UTF-8.
void putSingleByteAsUtf8(const char* text, const ByteCharset& charset, std::FILE* out) {
  const char* run = text;  // the ASCII bytes not written yet
  for (const char* p = text;; ++p) {
    const auto byte = static_cast<unsigned char>(*p);
    if (byte != 0 && byte < 0x80) continue;
    std::fwrite(run, 1, static_cast<std::size_t>(p - run), out);
    if (byte == 0) return;
    char bytes[4];
    const char32_t code = charset[byte];
    std::fwrite(bytes, 1, encodeUtf8(code == kNoCharacter ? 0xFFFD : code, bytes), out);
    run = p + 1;
  }
}

#ifdef _WIN32
bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

bool toConsole(HANDLE handle, const wchar_t* text, std::size_t size) {
  DWORD written = 0;
  return WriteConsoleW(handle, text, static_cast<DWORD>(size), &written, nullptr) != 0;
}
#endif

}  // namespace

TextEdge textEdge(bool bytes) {
#ifdef _WIN32
  return {true, !bytes};
#else
  if (bytes) return {};
  // A locale object of its own: the program's locale stays "C", which the
  // engine never asks about characters anyway.
  const locale_t user = ::newlocale(LC_CTYPE_MASK, "", locale_t{});
  if (user == locale_t{}) return {};
  const bool utf8 = std::strcmp(::nl_langinfo_l(CODESET, user), "UTF-8") == 0;
  ::freelocale(user);
  return {utf8, utf8};
#endif
}

const ByteCharset& singleByteCharset() {
#ifdef _WIN32
  return ansiCodePageCharset();
#else
  return latin1Charset();
#endif
}

std::string convertQuery(std::string_view query, TextEncoding encoding, std::string& converted) {
  std::u32string codes;
  for (std::size_t at = 0; at < query.size();) {
    const DecodedChar decoded = decodeChar(query, at, TextEncoding::kUtf8);
    codes += decoded.code;
    at += decoded.size;
  }
  ListBytes bytes = ListCodec(encoding, singleByteCharset()).toList(codes);
  converted = std::move(bytes.bytes);
  if (!bytes.firstRefused) return {};
  const char32_t refused = *bytes.firstRefused;
#ifdef _WIN32
  const std::string set = "in the ANSI code page " + std::to_string(ansiCodePageNumber());
#else
  const std::string set = "Latin-1";
#endif
  return "the word list is " + set + ", which cannot hold the character '" +
         ListCodec(TextEncoding::kUtf8).toList({&refused, 1}).bytes + "' of the QUERY";
}

LineWriter::LineWriter(TextEncoding encoding, bool asText)
    : codec_(encoding, singleByteCharset()), asText_(asText) {
#ifdef _WIN32
  console_ = asText && isConsole(GetStdHandle(STD_OUTPUT_HANDLE));
#endif
}

void LineWriter::write(std::string_view prefix, const char* line) {
#ifdef _WIN32
  if (console_) {
    std::u16string text = ListCodec(TextEncoding::kUtf8).toUtf16(prefix);
    text += codec_.toUtf16(line);
    text += u'\n';
    consoleFine_ = toConsole(GetStdHandle(STD_OUTPUT_HANDLE),
                             reinterpret_cast<const wchar_t*>(text.data()), text.size()) &&
                   consoleFine_;
    return;
  }
#endif
  std::fwrite(prefix.data(), 1, prefix.size(), stdout);
  if (asText_ && codec_.encoding() == TextEncoding::kSingleByte) {
    putSingleByteAsUtf8(line, singleByteCharset(), stdout);
  } else {
    std::fputs(line, stdout);
  }
  std::fputc('\n', stdout);
}

void sayError(std::string_view message) {
#ifdef _WIN32
  // A console takes UTF-16; a file or a pipe takes the UTF-8 as it is.
  const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  if (isConsole(handle)) {
    // On the stack: a message is a line, a file name at most a few hundred bytes.
    wchar_t wide[2048];
    const int units = MultiByteToWideChar(CP_UTF8, 0, message.data(),
                                          static_cast<int>(message.size()), wide, 2047);
    if (units > 0 || message.empty()) {
      wide[units] = L'\n';
      toConsole(handle, wide, static_cast<std::size_t>(units) + 1);
      return;
    }
  }
#endif
  std::fwrite(message.data(), 1, message.size(), stderr);
  std::fputc('\n', stderr);
}

}  // namespace lexi
