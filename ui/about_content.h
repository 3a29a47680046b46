// What the About box shows; each front end lays it out with its own widgets.
#pragma once

#include <array>

#include "res/about_text.h"

namespace lexi {

inline constexpr const char* kAboutCaption = LEXI_ABOUT_CAPTION;
inline constexpr const char* kAboutVersion = LEXI_ABOUT_VERSION;
inline constexpr const char* kAboutOk = LEXI_ABOUT_OK;

inline constexpr std::array<const char*, 6> kAboutCredits = {
    LEXI_ABOUT_CREDIT_1, LEXI_ABOUT_CREDIT_2, LEXI_ABOUT_CREDIT_3,
    LEXI_ABOUT_CREDIT_4, LEXI_ABOUT_CREDIT_5, LEXI_ABOUT_CREDIT_6,
};

}  // namespace lexi
