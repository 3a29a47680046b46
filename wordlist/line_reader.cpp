#include "wordlist/line_reader.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "base/large_block.h"
#include "wordlist/text_encoding.h"

namespace lexi {

namespace {}  // namespace

LineReader::LineReader(InputFile& file, std::size_t firstCapacity)
    : file_(file), firstCapacity_(firstCapacity < 2 ? 2 : firstCapacity) {}

LineReader::~LineReader() {
  std::free(buffer_);
}

bool LineReader::getLastOrMore(const char*& line, int& status) {
  status = 0;
  for (;;) {
    if (char* const lf = findLineFeed(buffer_ + scan_, buffer_ + end_)) {
      line = nextLine(lf);
      return true;
    }
    scan_ = end_;
    if (atEnd_) {
      if (start_ == end_) return false;
      line = buffer_ + start_;
      start_ = scan_ = end_;
      buffer_[end_] = '\0';  // fill() keeps a byte free for it
      return true;
    }
    if (!fill(status)) return false;
  }
}

bool LineReader::readAll(int& status) {
  status = 0;
  while (!atEnd_) {
    if (!fill(status)) return false;
  }
  return true;
}

char* LineReader::takeBuffer(std::size_t& size) {
  char* const buffer = buffer_;
  size = end_;
  buffer_ = nullptr;
  capacity_ = start_ = scan_ = end_ = 0;
  return buffer;
}

bool LineReader::fill(int& status) {
  if (start_ > 0 && end_ + 1 == capacity_) {
    // The lines before start_ are done: make room by dropping them.
    std::memmove(buffer_, buffer_ + start_, end_ - start_);
    end_ -= start_;
    scan_ -= start_;
    start_ = 0;
  }
  // One byte always stays free, for the NUL that ends the last line.
  if (end_ + 1 == capacity_ || buffer_ == nullptr) {
    std::size_t grown = firstCapacity_;
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
    adviseLargeBlock(bigger, grown);
    buffer_ = bigger;
    capacity_ = grown;
  }
  int error = 0;
  const long got = file_.readSome(buffer_ + end_, capacity_ - 1 - end_, error);
  if (got < 0) {
    // What was gathered of an unfinished line is dropped with the failure.
    status = error;
    return false;
  }
  std::size_t added = static_cast<std::size_t>(got);
  if (added == 0) {
    atEnd_ = true;
  } else if (const void* eof = std::memchr(buffer_ + end_, kCtrlZ, added)) {
    added = static_cast<std::size_t>(static_cast<const char*>(eof) - (buffer_ + end_));
    atEnd_ = true;
  }
  end_ += added;
  return true;
}

}  // namespace lexi
