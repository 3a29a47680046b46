// The program's own message boxes: no owner, OK only, titled "Lexiquarium Error".
#pragma once

#include <string>

#include "ui/controls.h"
#include "wordlist/notifier.h"

namespace lexi {

inline constexpr const char* kErrorTitle = "Lexiquarium Error";

// Shows the core's failures with the error icon and its warnings with the
// exclamation icon.
class MessageNotifier : public Notifier {
 public:
  explicit MessageNotifier(MessageDisplay& display) : display_(display) {}

  void error(std::string_view message) override {
    display_.show(std::string(message), kErrorTitle, MessageIcon::kError);
  }
  void warning(std::string_view message) override {
    display_.show(std::string(message), kErrorTitle, MessageIcon::kExclamation);
  }

 private:
  MessageDisplay& display_;
};

}  // namespace lexi
