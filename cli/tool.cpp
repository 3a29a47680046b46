#include "cli/tool.h"

#include <cerrno>
#include <cstdio>

#include "base/error_text.h"

namespace lexi::find {

void LineOutput::appendLine(const char* text) {
  (encoding_ == TextEncoding::kUtf8 ? utf8_ : single_).write(prefix_, text);
  ++lines_;
}

int queryError(const std::string& problem) {
  sayError("lexiquarium-find: " + problem);
  return kBadUsage;
}

int finish(int status, bool consoleFine) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout) || !consoleFine) {
    sayError("lexiquarium-find: cannot write the output: " + errorText(consoleFine ? errno : EIO));
    return kWriteFailed;
  }
  return status;
}

}  // namespace lexi::find
