// Notifier: how the core tells the user about a failure or a warning.
//
// The core never shows anything itself. The desktop program shows a message box
// with no owner window; the query tool prints the same text on standard error;
// tests record what they are told.
//
// Messages come as views, so that a failure for want of memory can be told
// without any: the text may live on the stack of the caller.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace lexi {

class Notifier {
 public:
  virtual ~Notifier() = default;

  // A failure that ends the program, such as a word list that cannot be loaded.
  virtual void error(std::string_view message) = 0;

  // A warning after which the program goes on, such as "Too many *".
  virtual void warning(std::string_view message) = 0;
};

// How every failure message of the load ends: the desktop programs cannot go on
// without their list.
inline constexpr std::string_view kClosingSentence = "\n\nLexiquarium will close now.";

// Passes messages on to another notifier with kClosingSentence replaced by
// `ending`: for a program that goes on after a failed load (the web page keeps
// the list it had).
class GoingOnNotifier : public Notifier {
 public:
  GoingOnNotifier(Notifier& next, std::string_view ending) : next_(next), ending_(ending) {}
  void error(std::string_view message) override { next_.error(goingOn(message)); }
  void warning(std::string_view message) override { next_.warning(goingOn(message)); }

 private:
  std::string goingOn(std::string_view message) const {
    if (message.ends_with(kClosingSentence)) message.remove_suffix(kClosingSentence.size());
    return std::string(message).append(ending_);
  }

  Notifier& next_;
  std::string_view ending_;
};

// "Error: Cannot get memory (N bytes)." and the closing sentence, made without
// allocating: it is what the user is told when `bytes` could not be had.
class OutOfMemoryMessage {
 public:
  explicit OutOfMemoryMessage(std::uint64_t bytes) {
    constexpr std::string_view kStart = "Error: Cannot get memory (";
    constexpr std::string_view kEnd = " bytes).";
    char* out = text_;
    std::memcpy(out, kStart.data(), kStart.size());
    out = std::to_chars(out + kStart.size(), text_ + sizeof text_, bytes).ptr;
    std::memcpy(out, kEnd.data(), kEnd.size());
    out += kEnd.size();
    std::memcpy(out, kClosingSentence.data(), kClosingSentence.size());
    size_ = static_cast<std::size_t>(out - text_) + kClosingSentence.size();
  }

  std::string_view text() const { return {text_, size_}; }

 private:
  char text_[96];  // both parts and the 20 digits of the largest size
  std::size_t size_;
};

}  // namespace lexi
