/* The search dialog's prompt and button labels, as plain macros so that the
   Windows resource script, the Qt front end and the web page take them from
   one place. "&" marks the mnemonic letter. */
#pragma once

#define LEXI_PROMPT "Type a word with or without wild cards (* and ?)"
#define LEXI_GO_LABEL "&Go"
#define LEXI_COPY_LABEL "&Copy"
#define LEXI_ABOUT_LABEL "&About"
#define LEXI_HELP_LABEL "&Help"
#define LEXI_EXIT_LABEL "E&xit"
