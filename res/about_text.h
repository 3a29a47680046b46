/* What the About box says, as plain macros so that the Windows resource script
   and the C++ front ends take it from one place. */
#pragma once

#include "res/version.h"

#define LEXI_ABOUT_CAPTION "About Lexiquarium"
#define LEXI_ABOUT_VERSION "Lexiquarium Version " LEXI_VERSION
#define LEXI_ABOUT_OK "OK"

/* Our credits, and the notices of the sources of the bundled word list. */
#define LEXI_ABOUT_CREDIT_1 "Finds words by pattern, by sound, or closest first."
#define LEXI_ABOUT_CREDIT_2 "Written by the Lexiquarium developers."
#define LEXI_ABOUT_CREDIT_3 "The word list is made from WordNet 3.0 and from"
#define LEXI_ABOUT_CREDIT_4 "wamerican, an American English list from SCOWL."
#define LEXI_ABOUT_CREDIT_5 "WordNet 3.0 Copyright 2006 by Princeton University."
#define LEXI_ABOUT_CREDIT_6 "SCOWL Copyright 2000-2011 by Kevin Atkinson."
