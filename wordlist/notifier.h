// Notifier: how the core tells the user about a failure or a warning.
//
// The core never shows anything itself. The desktop program shows a message box
// with no owner window; the query tool prints the same text on standard error;
// tests record what they are told.
#pragma once

#include <string>

namespace lexi {

class Notifier {
 public:
  virtual ~Notifier() = default;

  // A failure that ends the program, such as a word list that cannot be loaded.
  virtual void error(const std::string& message) = 0;

  // A warning after which the program goes on, such as "Too many *".
  virtual void warning(const std::string& message) = 0;
};

}  // namespace lexi
