// errorText: the text of an error number, for the program's messages.
//
// std::strerror may not be called while another thread calls it or setlocale,
// and a toolkit starting on one thread calls setlocale while the word list
// loads on another. errorText may be called from any thread at any time. Its
// texts are those of the "C" locale, English like every message around them,
// whatever the user's locale.
#pragma once

#include <string>

namespace lexi {

// The system's text for `error`, an errno value, such as "No such file or
// directory"; "error N" when the system has none to give. Costs a copy of the
// text, and on first use a locale object kept for the life of the process.
std::string errorText(int error);

}  // namespace lexi
