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

  void error(const std::string& message) override {
    display_.show(message, kErrorTitle, MessageIcon::kError);
  }
  void warning(const std::string& message) override {
    display_.show(message, kErrorTitle, MessageIcon::kExclamation);
  }

 private:
  MessageDisplay& display_;
};

}  // namespace lexi
