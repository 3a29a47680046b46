#include "base/error_text.h"

#include <string.h>

#ifndef _WIN32
#include <locale.h>
#endif

namespace lexi {

namespace {

std::string numbered(int error) {
  return "error " + std::to_string(error);
}

}  // namespace

#ifdef _WIN32
std::string errorText(int error) {
  char text[256];
  if (::strerror_s(text, sizeof text, error) != 0) return numbered(error);
  return text;
}
#else
std::string errorText(int error) {
  // Made once, by whichever thread comes first; the others wait for it.
  static const locale_t plain = ::newlocale(LC_ALL_MASK, "C", locale_t{});
  if (plain == locale_t{}) return numbered(error);
  // The text may live in a buffer of this thread that its next call overwrites.
  return ::strerror_l(error, plain);
}
#endif

}  // namespace lexi
