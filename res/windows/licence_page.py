#!/usr/bin/env python3
"""Writes the installer's licence page: the program's licence, then the word
list's notices, the part of data/README.md from its "## Licences", as plain
text. Markdown's marks go; each paragraph becomes one line, which the page's
box wraps to its own width (lines wrapped by hand come out ragged there).
A line that a notice ends on purpose (an address, a list's item, a heading,
any short line) still ends there. The byte order mark tells the Unicode
installer that the text is UTF-8 rather than the ANSI code page.

Usage: licence_page.py LICENSE data/README.md OUTPUT
"""
import re
import sys

# A line at least this long was wrapped by hand: the next one goes on with it.
WRAPPED = 50
ITEM = re.compile(r"(\d+\.|-|\*) ")


def plain(text):
    lines = []
    wrapped = False  # whether the last line read filled its width
    for raw in text.splitlines():
        if raw.strip().startswith("```"):
            continue
        line = raw.rstrip().replace("`", "")
        heading = re.match(r"#+ (.*)", line)
        if heading:
            line = heading.group(1)
        quote = re.match(r"\s*> ?", line)
        body = line[quote.end():] if quote else line.strip()
        goes_on = (wrapped and body and not heading and lines and lines[-1]
                   and not ITEM.match(body.lstrip()))
        if goes_on:
            # A word hyphenated across the lines is whole again.
            joint = "" if re.search(r"\w-$", lines[-1]) else " "
            lines[-1] += joint + body.strip()
        else:
            lines.append(line)
        wrapped = len(raw.rstrip()) >= WRAPPED and not heading
    return "\n".join(lines).strip() + "\n"


def main(licence, notes, output):
    with open(licence, encoding="utf-8") as f:
        program = f.read()
    with open(notes, encoding="utf-8") as f:
        readme = f.read()
    start = readme.find("## Licences")
    if start < 0:
        sys.exit(f"{notes} has no \"## Licences\" section for the licence page")
    with open(output, "w", encoding="utf-8-sig", newline="\n") as f:
        f.write(plain(program) + "\n" + plain(readme[start:]))


if __name__ == "__main__":
    main(*sys.argv[1:])
