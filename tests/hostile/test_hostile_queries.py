"""Hostile queries run through lexiquarium-find over a list of long lines: many
stars, 1000-character queries of every kind, bytes from 0x80 up, blanks and
control characters. Each must come back promptly with the result that the
matching and sound rules give.

Usage: python3 -m unittest test_hostile_queries (with LEXI_FIND set to the binary).
"""

import unittest

from hostile_support import ListDirectory, listing

# Named lines of the word list, in file order.
LINES = {
    "a1000": b"a" * 1000,
    "a5000 tail": b"a" * 5000 + b" tail",
    "ab2000": b"ab" * 2000,
    "blank a100": b" " + b"a" * 100,
    "ete": b"\xe9t\xe9 summer",
    "ETE": b"\xc9T\xc9",
    "tab": b"\ttab first",
    "cr": b"\rcr first",
    "b1000": b"b" * 1000,
    "zebra": b"zebra",
    "x-blank 500": b"x " * 500,
    "ba-blank 20": b"ba " * 20,
    "a100000": b"a" * 100000,
}

TOO_MANY_STARS = b"Too many *\n"


def lines(*names):
    return listing([LINES[name] for name in names])


class HostileQueries(ListDirectory):
    def setUp(self):
        super().setUp()
        self.write_list(listing(LINES.values()))

    def test_queries(self):
        eight_stars_b = b"*a" * 7 + b"*b"
        eight_stars_a = b"*a" * 8
        cases = [
            # what, query, output, exit status, standard error
            ("8 stars, no line ends in b after 7 a's but one", eight_stars_b, lines("ab2000"), 0),
            ("8 stars, 8 a's up to a blank or the end", eight_stars_a,
             lines("a1000", "a5000 tail", "blank a100", "ba-blank 20", "a100000"), 0),
            ("9 stars warn at the first line with 8 a's", eight_stars_a + b"*b", b"", 4,
             TOO_MANY_STARS),
            ("9 stars that no line gets as far as", b"q" + b"*" * 9, b"", 3),
            ("1000 stars", b"*" * 1000, b"", 4, TOO_MANY_STARS),
            ("1000 question marks: lines of exactly 1000", b"?" * 1000,
             lines("a1000", "b1000", "x-blank 500"), 0),
            ("1000 letters a: the sound of a", b"a" * 1000,
             lines("a1000", "a5000 tail", "a100000"), 0),
            ("1000 blanks: no sound", b" " * 1000, b"", 3),
            ("a and ? alternating, 1000 long", b"a?" * 500, lines("a1000"), 0),
            ("998 ? between two stars: lines of 998 or more",
             b"*" + b"?" * 998 + b"*",
             lines("a1000", "a5000 tail", "ab2000", "b1000", "x-blank 500", "a100000"), 0),
            ("999 a's and a star", b"a" * 999 + b"*", lines("a1000", "a5000 tail", "a100000"), 0),
            ("999 blanks and a star", b" " * 999 + b"*", b"", 3),
            ("every kind, 1000 long, 9th star reached", (b"*?a " * 250)[:1000], b"", 4,
             TOO_MANY_STARS),
            ("every kind, 1000 long, 9th star never reached", (b"*?q " * 250)[:1000], b"", 3),
            ("bytes 0x80 to 0xFF: no letters, no sound", bytes(range(0x80, 0x100)), b"", 3),
            ("bytes 0x80 to 0xFF as a pattern", bytes(range(0x80, 0x100)) + b"*", b"", 3),
            ("small e acute: not folded", b"\xe9*", lines("ete"), 0),
            ("capital E acute: not folded", b"\xc9*", lines("ETE"), 0),
            ("bytes from 0x80 up take no part in the sound", b"\xc9T\xc9", lines("ete", "ETE"), 0),
            ("a tab is no blank", b"\ttab", lines("tab"), 0),
            ("a pattern starting with a tab", b"\t*", lines("tab"), 0),
            ("? covers a CR", b"?cr*", lines("cr"), 0),
            ("a control character alone has no sound", b"\x01", b"", 3),
            ("DEL alone has no sound", b"\x7f", b"", 3),
            ("an escape sequence", b"\x1b[2J*", b"", 3),
            ("no line holds an LF", b"a\nb*", b"", 3),
            ("a 0x1A in a query is an ordinary byte", b"\x1a*", b"", 3),
        ]
        for what, query, stdout, status, *stderr in cases:
            with self.subTest(what):
                self.assertOutcome(self.find(query), stdout, status, *stderr)


if __name__ == "__main__":
    unittest.main()
