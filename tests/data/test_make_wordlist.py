"""The word list generator: on the small WordNet in wordnet/, the list it makes and
its messages for bad input; on Debian's wordnet-base and wamerican, when they are
installed, the bundled list byte for byte.
"""

import contextlib
import io
import os
import random
import shutil
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))

import make_wordlist as gen  # noqa: E402

FIXTURE = os.path.join(HERE, "wordnet")
BUNDLED = os.path.join(HERE, "..", "..", "data", "LexiquariumWords.txt")
BUNDLED_COMMON = os.path.join(HERE, "..", "..", "data", "LexiquariumCommon.txt")
WORDS = os.path.join(FIXTURE, "words.txt")
SCOWL = os.path.join(HERE, "scowl")
LICENCE_LINE = "  1 This software and database is being provided to you, the LICENSEE, by  \n"


class Generator(unittest.TestCase):
    def setUp(self):
        scratch = tempfile.TemporaryDirectory()
        self.addCleanup(scratch.cleanup)
        self.dir = scratch.name

    def run_main(self, *args):
        with contextlib.redirect_stderr(io.StringIO()) as err:
            status = gen.main(list(args))
        return status, err.getvalue()

    def test_makes_the_expected_list_whatever_the_input_order(self):
        # Merging, exclusions, morphology, Latin-1, notes and order in one comparison.
        with open(os.path.join(FIXTURE, "expected.txt"), "rb") as f:
            expected = f.read()
        output = os.path.join(self.dir, "out.txt")
        common = os.path.join(self.dir, "LexiquariumCommon.txt")
        # Each word at its lowest level of the English, American and British
        # lists; the variant spellings' lists say nothing; the list's order
        # and encoding.
        expected_common = (b"apple 10\nax 95\naxe 50\nbetter 10\nbig 10\ncaf\xe9 70\nI'd 10\n"
                           b"phone 35\nPolish 50\ntelephone 35\nwell 10\n")
        status, err = self.run_main("--wordnet", FIXTURE, "--words", WORDS, "--scowl", SCOWL,
                                    "--output", output)
        self.assertEqual((status, err), (0, f"{output}: 26 lines, {len(expected)} bytes\n"
                                            f"{common}: 11 lines, {len(expected_common)} bytes\n"))
        for path, content in ((output, expected), (common, expected_common)):
            with open(path, "rb") as result:
                self.assertEqual(result.read(), content)
        words = gen.read_word_list(WORDS)
        for seed in range(3):
            random.Random(seed).shuffle(words)
            self.assertEqual(gen.encode(gen.build_lines(gen.WordNet(FIXTURE), words)), expected)

    @unittest.skipUnless(os.path.isdir(gen.DEFAULT_WORDNET_DIR) and
                         os.path.isfile(gen.DEFAULT_WORDS_FILE) and
                         os.path.isdir(gen.DEFAULT_SCOWL_DIR),
                         "needs wordnet-base, wamerican and scowl")
    def test_rebuilds_the_bundled_list(self):
        lines = gen.build_lines(gen.WordNet(gen.DEFAULT_WORDNET_DIR),
                                gen.read_word_list(gen.DEFAULT_WORDS_FILE))
        common = gen.common_lines(lines, gen.read_levels(gen.DEFAULT_SCOWL_DIR))
        for rebuilt, path in ((gen.encode(lines), BUNDLED), (gen.encode(common), BUNDLED_COMMON)):
            with open(path, "rb") as bundled:
                expected = bundled.read()
            for number, (new, old) in enumerate(zip(rebuilt.split(b"\n"), expected.split(b"\n")),
                                                1):
                self.assertEqual(new, old, f"{path}: line {number} differs")
            self.assertEqual(len(rebuilt), len(expected))

    def test_bad_input_gives_a_message(self):
        latin1 = os.path.join(self.dir, "latin1")
        with open(latin1, "wb") as out:
            out.write(b"caf\xe9\n")
        missing = os.path.join(self.dir, "none")
        sources = [
            # what, arguments, message
            ("missing wordnet", ["--wordnet", missing, "--words", WORDS], "cannot read"),
            ("missing words", ["--wordnet", FIXTURE, "--words", missing], "cannot read"),
            ("words not UTF-8", ["--wordnet", FIXTURE, "--words", latin1], "not UTF-8"),
            ("missing scowl", ["--wordnet", FIXTURE, "--words", WORDS, "--scowl", missing,
                               "--output", os.path.join(self.dir, "out.txt")], "cannot read"),
            ("no scowl list", ["--wordnet", FIXTURE, "--words", WORDS, "--scowl", FIXTURE,
                               "--output", os.path.join(self.dir, "out.txt")], "holds none"),
            ("unwritable output", ["--wordnet", FIXTURE, "--words", WORDS, "--output", self.dir],
             "cannot write"),
        ]
        records = [
            # file replaced, its one record, message
            ("data.noun", "04401088 03 n 02 phone 0 | no second word\n", "data.noun:2"),
            ("data.verb", "00789466 03 v 01 phone 0 001 @ 00001740 n 0000\n", "data.verb:2"),
            ("index.adj", "big a 2 0 1 0 01382086\n", "index.adj:2"),
            ("index.noun", "goose n 1 2 @ 1 0 01321854\n", "index.noun:2"),
            ("index.adv", "well r x 0 1 0 00011093\n", "index.adv:2"),
            ("index.adv", "well r 1 0 1 0 00000001\n", "missing synset 00000001"),
            ("adj.exc", "bigger\n", "adj.exc:1"),
        ]
        for what, args, message in sources:
            self.check_failure(what, args, message)
        wordnet = os.path.join(self.dir, "wordnet")
        for name, record, message in records:
            shutil.rmtree(wordnet, ignore_errors=True)
            shutil.copytree(FIXTURE, wordnet)
            with open(os.path.join(wordnet, name), "w") as out:
                out.write(("" if name.endswith(".exc") else LICENCE_LINE) + record)
            self.check_failure(name, ["--wordnet", wordnet, "--words", WORDS,
                                      "--output", missing], message)

    def check_failure(self, what, args, message):
        with self.subTest(what):
            status, err = self.run_main(*args)
            self.assertEqual(status, 1)
            self.assertIn(message, err)
            self.assertTrue(err.startswith("make_wordlist: "), err)


if __name__ == "__main__":
    unittest.main()
