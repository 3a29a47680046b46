#include "wordlist/line_reader.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace lexi {

namespace {

// Large enough that a file is read in few calls, small enough to cost nothing.
constexpr std::size_t kInitialCapacity = std::size_t{64} * 1024;
constexpr char kEndOfFile = 0x1A;

}  // namespace

LineReader::LineReader(InputFile& file) : file_(file) {}

LineReader::~LineReader() {
  std::free(buffer_);
}

bool LineReader::getALine(std::string_view& line, int& status) {
  status = 0;
  for (;;) {
    const void* lf = scan_ < end_ ? std::memchr(buffer_ + scan_, '\n', end_ - scan_) : nullptr;
    if (lf != nullptr) {
      const std::size_t stop = static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_);
      const std::size_t begin = start_;
      start_ = scan_ = stop + 1;
      // CR LF is one line end; any other CR belongs to the text.
      line = finish(begin, stop > begin && buffer_[stop - 1] == '\r' ? stop - 1 : stop);
      return true;
    }
    scan_ = end_;
    if (atEnd_) {
      if (start_ == end_) return false;
      const std::size_t begin = start_;
      start_ = scan_ = end_;
      line = finish(begin, end_);
      return true;
    }
    if (!fill(status)) return false;
  }
}

std::string_view LineReader::finish(std::size_t begin, std::size_t end) {
  const char* text = buffer_ + begin;
  std::size_t length = end - begin;
  // A NUL ends the text, as it would for any C string made of the line.
  if (const void* nul = std::memchr(text, '\0', length)) {
    length = static_cast<std::size_t>(static_cast<const char*>(nul) - text);
  }
  return {text, length};
}

bool LineReader::fill(int& status) {
  if (start_ > 0) {
    std::memmove(buffer_, buffer_ + start_, end_ - start_);
    end_ -= start_;
    scan_ -= start_;
    start_ = 0;
  }
  if (end_ == capacity_) {
    // The line fills the buffer: double it.
    std::size_t grown = kInitialCapacity;
    if (capacity_ != 0) {
      if (capacity_ > std::numeric_limits<std::size_t>::max() / 2) {
        status = -1;
        return false;
      }
      grown = capacity_ * 2;
    }
    char* bigger = static_cast<char*>(std::realloc(buffer_, grown));
    if (bigger == nullptr) {
      status = -1;
      return false;
    }
    buffer_ = bigger;
    capacity_ = grown;
  }
  int error = 0;
  const long got = file_.readSome(buffer_ + end_, capacity_ - end_, error);
  if (got < 0) {
    // What was gathered of an unfinished line is dropped with the failure.
    status = error;
    return false;
  }
  std::size_t added = static_cast<std::size_t>(got);
  if (added == 0) {
    atEnd_ = true;
  } else if (const void* eof = std::memchr(buffer_ + end_, kEndOfFile, added)) {
    added = static_cast<std::size_t>(static_cast<const char*>(eof) - (buffer_ + end_));
    atEnd_ = true;
  }
  end_ += added;
  return true;
}

}  // namespace lexi
