#include "ui/win32/code_page.h"

namespace lexi {

namespace {

constexpr char kSubstitute = '\x1a';

}  // namespace

std::string CodePage::toEngine(std::wstring_view text) const {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  // UTF-8 holds every character; the ANSI code page must not guess a near one.
  const bool ansi = page_ != CP_UTF8;
  const DWORD flags = ansi ? WC_NO_BEST_FIT_CHARS : 0;
  char substitute = kSubstitute;
  char* const fallback = ansi ? &substitute : nullptr;
  const int size =
      WideCharToMultiByte(page_, flags, text.data(), length, nullptr, 0, fallback, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(page_, flags, text.data(), length, bytes.data(), size, fallback, nullptr);
  for (char& c : bytes) {
    if (c == '\0') c = kSubstitute;
  }
  return bytes;
}

std::wstring CodePage::toWide(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(page_, 0, bytes.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(page_, 0, bytes.data(), length, wide.data(), size);
  return wide;
}

}  // namespace lexi
