// What the About box shows; each front end lays it out with its own widgets.
#pragma once

#include <array>

namespace lexi {

inline constexpr const char* kAboutCaption = "About Lexiquarium";
inline constexpr const char* kAboutVersion = "Lexiquarium Version 2.2";
inline constexpr const char* kAboutOk = "OK";

// Our credits, and the notices of the sources of the bundled word list.
inline constexpr std::array<const char*, 6> kAboutCredits = {
    "A word finder: by pattern or by how words sound.",
    "Written by the Lexiquarium developers.",
    "The word list is made from WordNet 3.0 and from",
    "wamerican, an American English list from SCOWL.",
    "WordNet 3.0 Copyright 2006 by Princeton University.",
    "SCOWL Copyright 2000-2011 by Kevin Atkinson.",
};

}  // namespace lexi
