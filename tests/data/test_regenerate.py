"""Rebuilds the bundled word list from the installed packages and compares bytes.

Needs Debian's wordnet-base and wamerican; without them the test is skipped.
"""

import os
import sys
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
sys.path.insert(0, os.path.join(ROOT, "tools"))

import make_wordlist as gen  # noqa: E402

BUNDLED = os.path.join(ROOT, "data", "LexiquariumWords.txt")


@unittest.skipUnless(
    os.path.isdir(gen.DEFAULT_WORDNET_DIR) and os.path.isfile(gen.DEFAULT_WORDS_FILE),
    "needs the Debian packages wordnet-base and wamerican",
)
class RegenerateTest(unittest.TestCase):
    def test_rebuilt_list_equals_the_bundled_file(self):
        lines = gen.build_lines(
            gen.WordNet(gen.DEFAULT_WORDNET_DIR), gen.read_word_list(gen.DEFAULT_WORDS_FILE)
        )
        with open(BUNDLED, "rb") as bundled:
            expected = bundled.read().split(b"\n")
        rebuilt = gen.encode(lines).split(b"\n")
        self.assertEqual(len(rebuilt), len(expected), "line count differs")
        for number, (new, old) in enumerate(zip(rebuilt, expected), start=1):
            if new != old:
                self.fail(f"line {number} differs: rebuilt {new!r}, bundled {old!r}")


if __name__ == "__main__":
    unittest.main()
