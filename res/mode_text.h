/* The name of the "closest first" mode, as plain macros so that the Windows
   resource script (its system menu item) and the Qt front end (its check box)
   take it from one place. The mnemonic letter is free in the dialog on both. */
#pragma once

#define LEXI_CLOSEST_FIRST_LABEL "C&losest first"
