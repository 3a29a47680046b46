"""Tests of the word list generator on small WordNet-format fixtures."""

import contextlib
import io
import os
import random
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))

import make_wordlist as gen  # noqa: E402

LICENCE_LINE = "  1 This software and database is being provided to you, the LICENSEE, by  \n"

# A small WordNet: per part of speech, its synsets (offset, words, gloss) and its
# index (lemma, offsets with the most frequent sense first).
SYNSETS = {
    "noun": [
        ("04401088", ["telephone", "phone", "telephone_set"],
         'electronic equipment that converts sound; "I talked to him on the telephone"'),
        ("07111047", ["phone", "speech_sound", "sound"], "(phonetics) an individual sound unit"),
        ("06957787", ["Polish"], "the Slavic language of Poland"),
        ("14468508", ["polish", "gloss"],
         'the property of being smooth and shiny; "the boards had a high polish"'),
        ("01321854", ["goose"], "web-footed long-necked bird"),
        ("02764044", ["ax", "axe"], "an edge tool with a heavy bladed head"),
        ("13928388", ["axis"], "a straight line through a body"),
        ("06353934", ["phone_number", "telephone_number"], "the number used to call"),
        ("09999999", ["well-being", "wellbeing"], "a contented state of being happy and healthy"),
    ],
    "verb": [
        ("00789466", ["telephone", "call", "phone"], "get into communication by telephone; "
         '"I tried to call you all night"'),
        ("01250908", ["polish", "smooth"], "make (a surface) shine"),
        ("01259458", ["ax", "axe"], "chop with an ax"),
    ],
    "adj": [
        ("01382086", ["large", "big"], "above average in size or number"),
        ("00013160", ["galore(ip)"], "in great numbers"),
        ("02958392", ["Polish"], "of or relating to Poland"),
    ],
    "adv": [
        ("00011093", ["well", "good"], "(often used as a combining form) in a good manner"),
    ],
}
INDEX = {
    "noun": [
        ("axis", ["13928388"]),
        ("ax", ["02764044"]),
        ("axe", ["02764044"]),
        ("goose", ["01321854"]),
        ("phone", ["04401088", "07111047"]),
        ("phone_number", ["06353934"]),
        ("polish", ["14468508", "06957787"]),
        ("telephone", ["04401088"]),
        ("well-being", ["09999999"]),
        ("wellbeing", ["09999999"]),
    ],
    "verb": [
        ("ax", ["01259458"]),
        ("axe", ["01259458"]),
        ("phone", ["00789466"]),
        ("polish", ["01250908"]),
        ("telephone", ["00789466"]),
    ],
    "adj": [("big", ["01382086"]), ("galore", ["00013160"]), ("polish", ["02958392"])],
    "adv": [("well", ["00011093"])],
}
EXCEPTIONS = {
    "noun": ["axes ax", "axes axis", "geese goose"],
    "verb": [],
    "adj": ["bigger big"],
    "adv": ["better well"],
}
POS_LETTER = {"noun": "n", "verb": "v", "adj": "a", "adv": "r"}


def synset_record(pos, offset, words, gloss):
    pairs = " ".join(f"{word} 0" for word in words)
    frames = " 01 + 02 00" if pos == "verb" else ""
    return (f"{offset} 03 {POS_LETTER[pos]} {len(words):02x} {pairs} 001 @ 00001740 n 0000"
            f"{frames} | {gloss}  \n")


def index_record(pos, lemma, offsets):
    return (f"{lemma} {POS_LETTER[pos]} {len(offsets)} 1 @ {len(offsets)} 0 "
            f"{' '.join(offsets)}  \n")


def write_wordnet(directory, synsets=SYNSETS, index=INDEX, exceptions=EXCEPTIONS):
    for pos in gen.PARTS_OF_SPEECH:
        with open(os.path.join(directory, f"data.{pos}"), "w", newline="") as out:
            out.write(LICENCE_LINE)
            out.writelines(synset_record(pos, *synset) for synset in synsets[pos])
        with open(os.path.join(directory, f"index.{pos}"), "w", newline="") as out:
            out.write(LICENCE_LINE)
            out.writelines(index_record(pos, *entry) for entry in index[pos])
        with open(os.path.join(directory, f"{pos}.exc"), "w", newline="") as out:
            out.writelines(line + "\n" for line in exceptions[pos])


WORDS = [
    "phone", "phoned", "phones", "phone's", "phone", "geese", "bigger", "axes", "better",
    "café", "cafe\u0301", "Łódź", "日本", "xyzzy", "Polish", "I'd", "1000", "well-being",
    "Zürich", "apple", "Apple", "telephones", "", "  ",
]

NBSP = "\u00a0"


def noted(line):
    """A line written with plain blanks, as the generator writes it."""
    word, blank, note = line.partition(" ")
    return word + blank + note.replace(" ", NBSP) + ("." if note else "")


# What the fixtures above must give, line by line.
EXPECTED = [noted(line) for line in [
    "Apple",
    "apple",
    "ax n. an edge tool with a heavy bladed head; v. chop with an ax",
    "axe n. an edge tool with a heavy bladed head; v. chop with an ax",
    "axes n. form of ax, axis, axe; v. form of axe, ax",
    "axis n. a straight line through a body",
    "better adv. form of well",
    "big adj. above average in size or number",
    "bigger adj. form of big",
    "caf\u00e9",
    "galore adj. in great numbers",
    "geese n. form of goose",
    "goose n. web-footed long-necked bird",
    "I'd",
    "phone n. electronic equipment that converts sound; v. get into communication by telephone",
    "phoned v. form of phone",
    "phones n., v. form of phone",
    "Polish n. the Slavic language of Poland; adj. of or relating to Poland",
    "polish n. the property of being smooth and shiny; v. make (a surface) shine",
    "telephone n. electronic equipment that converts sound; v. get into communication by telephone",
    "telephones n., v. form of telephone",
    "well adv. (often used as a combining form) in a good manner",
    "well-being n. a contented state of being happy and healthy",
    "wellbeing n. a contented state of being happy and healthy",
    "xyzzy",
    "Z\u00fcrich",
]]


class FixtureTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.addCleanup(self.tmp.cleanup)
        self.dir = self.tmp.name
        write_wordnet(self.dir)

    def build(self, words=WORDS):
        return gen.build_lines(gen.WordNet(self.dir), words)


class BuildTest(FixtureTest):
    def test_whole_list(self):
        # One comparison covers merging, exclusions, morphology, Latin-1 and order.
        self.assertEqual(self.build(), EXPECTED)

    def test_same_bytes_whatever_the_input_order(self):
        expected = gen.encode(self.build())
        rng = random.Random(3)
        for _ in range(5):
            words = list(WORDS)
            rng.shuffle(words)
            self.assertEqual(gen.encode(self.build(words)), expected)

    def test_encoding_is_latin1_with_lf(self):
        content = gen.encode(self.build())
        self.assertIn(b"\nphoned v.\xa0form\xa0of\xa0phone.\n", content)
        self.assertIn(b"\ncaf\xe9\n", content)
        self.assertIn(b"\nZ\xfcrich\n", content)
        self.assertTrue(content.endswith(b"\n"))
        self.assertNotIn(b"\r", content)
        self.assertEqual(content.count(b"\n"), len(EXPECTED))

    def test_most_frequent_sense_comes_from_index_order(self):
        index = {pos: list(entries) for pos, entries in INDEX.items()}
        index["noun"] = [(lemma, list(reversed(offsets)) if lemma == "phone" else offsets)
                         for lemma, offsets in index["noun"]]
        write_wordnet(self.dir, index=index)
        lines = self.build(["phone"])
        self.assertIn(noted("phone n. (phonetics) an individual sound unit; v. get into "
                            "communication by telephone"), lines)

    def test_main_writes_the_file(self):
        words = os.path.join(self.dir, "words")
        with open(words, "w", encoding="utf-8") as out:
            out.write("\n".join(WORDS) + "\n")
        output = os.path.join(self.dir, "out.txt")
        with contextlib.redirect_stderr(io.StringIO()) as err:
            status = gen.main(["--wordnet", self.dir, "--words", words, "--output", output])
        self.assertEqual(status, 0)
        self.assertIn(f"{len(EXPECTED)} lines", err.getvalue())
        with open(output, "rb") as result:
            self.assertEqual(result.read(), gen.encode(EXPECTED))


class BadInputTest(FixtureTest):
    def run_main(self, *args):
        with contextlib.redirect_stderr(io.StringIO()) as err:
            status = gen.main(list(args))
        return status, err.getvalue()

    def test_bad_sources_give_a_message(self):
        words = os.path.join(self.dir, "words")
        with open(words, "wb") as out:
            out.write(b"phone\n")
        latin1_words = os.path.join(self.dir, "latin1")
        with open(latin1_words, "wb") as out:
            out.write(b"caf\xe9\n")
        cases = [
            ("missing wordnet", ["--wordnet", os.path.join(self.dir, "none"), "--words", words],
             "cannot read"),
            ("missing words", ["--wordnet", self.dir, "--words", os.path.join(self.dir, "none")],
             "cannot read"),
            ("words not UTF-8", ["--wordnet", self.dir, "--words", latin1_words], "not UTF-8"),
            ("unwritable output", ["--wordnet", self.dir, "--words", words, "--output", self.dir],
             "cannot write"),
        ]
        for name, args, message in cases:
            with self.subTest(name):
                status, err = self.run_main(*args)
                self.assertEqual(status, 1)
                self.assertIn(message, err)
                self.assertNotIn("Traceback", err)

    def test_malformed_records_name_file_and_line(self):
        cases = [
            ("data.noun", "04401088 03 n 02 phone 0 | no second word\n", "data.noun:2"),
            ("data.verb", "00789466 03 v 01 phone 0 001 @ 00001740 n 0000\n", "data.verb:2"),
            ("index.adj", "big a 2 0 1 0 01382086\n", "index.adj:2"),
            ("index.noun", "goose n 1 2 @ 1 0 01321854\n", "index.noun:2"),
            ("index.adv", "well r x 0 1 0 00011093\n", "index.adv:2"),
            ("adj.exc", "bigger\n", "adj.exc:1"),
        ]
        for name, record, where in cases:
            with self.subTest(name):
                write_wordnet(self.dir)
                path = os.path.join(self.dir, name)
                with open(path, "w") as out:
                    out.write(("" if name.endswith(".exc") else LICENCE_LINE) + record)
                with self.assertRaises(gen.InputError) as caught:
                    gen.WordNet(self.dir)
                self.assertIn(where, str(caught.exception))

    def test_index_naming_a_missing_synset(self):
        index = dict(INDEX, adv=[("well", ["00000001"])])
        write_wordnet(self.dir, index=index)
        with self.assertRaisesRegex(gen.InputError, "missing synset 00000001"):
            gen.WordNet(self.dir)


class ReadSynsetsTest(FixtureTest):
    def test_words_and_definition(self):
        noun = gen.read_synsets(os.path.join(self.dir, "data.noun"))
        verb = gen.read_synsets(os.path.join(self.dir, "data.verb"))
        adj = gen.read_synsets(os.path.join(self.dir, "data.adj"))
        cases = [
            (noun["04401088"], ["telephone", "phone", "telephone_set"],
             "electronic equipment that converts sound"),
            (verb["00789466"], ["telephone", "call", "phone"],
             "get into communication by telephone"),
            (adj["00013160"], ["galore"], "in great numbers"),
        ]
        for synset, words, meaning in cases:
            with self.subTest(words[0]):
                self.assertEqual(synset, (words, meaning))


class DefinitionTest(unittest.TestCase):
    def test_examples_and_separators_are_dropped(self):
        cases = [
            ('a sound unit; "he said it"', "a sound unit"),
            ('one; two; "an example"; "another"', "one; two"),
            ('an act of substituting: "he sent Smith in"', "an act of substituting"),
            ("no example at all", "no example at all"),
            ("a trailing separator;  ", "a trailing separator"),
            ('(in the phrase "make strides") progress', '(in the phrase "make strides") progress'),
        ]
        for gloss, expected in cases:
            with self.subTest(gloss):
                self.assertEqual(gen.definition(gloss), expected)


class SingleWordTest(unittest.TestCase):
    def test_which_tokens_get_a_line(self):
        cases = [
            ("phone", True),
            ("Polish", True),
            ("well-being", True),
            ("I'd", True),
            ("'tween", True),
            ("1000th", True),
            ("phone_number", False),
            ("ice cream", False),
            ("phone's", False),
            ("Jesus'", False),
            ("1000", False),
            (".22", False),
            ("tab\tword", False),
            ("no\u00a0break", False),
            ("", False),
        ]
        for word, expected in cases:
            with self.subTest(word):
                self.assertEqual(gen.is_single_word(word), expected)


class Latin1Test(unittest.TestCase):
    def test_conversion(self):
        cases = [
            ("phone", "phone"),
            ("café", "café"),
            ("cafe\u0301", "café"),  # decomposed accents are composed first
            ("Ångström", "Ångström"),
            ("Łódź", None),
            ("naïve\u2019s", None),
            ("日本", None),
        ]
        for word, expected in cases:
            with self.subTest(word):
                self.assertEqual(gen.to_latin1(word), expected)


class SortTest(unittest.TestCase):
    def test_order_ignores_case_and_accents(self):
        words = ["zebra", "polish", "Éclair", "eclair", "Polish", "apple", "Apple", "éclat"]
        expected = ["Apple", "apple", "eclair", "Éclair", "éclat", "Polish", "polish", "zebra"]
        for seed in range(4):
            with self.subTest(seed=seed):
                shuffled = list(words)
                random.Random(seed).shuffle(shuffled)
                self.assertEqual(sorted(shuffled, key=gen.sort_key), expected)


class FormatLineTest(unittest.TestCase):
    LONG = ("electronic equipment that converts sound into electrical signals that can be "
            "transmitted over distances and then converts received signals back into sounds")

    def test_lines_stay_under_the_limit(self):
        long_word = "x" * (gen.LINE_LIMIT - 10)
        cases = [
            ("short note kept whole", "phone", [("v.", "call")], noted("phone v. call")),
            ("no note", "xyzzy", [], "xyzzy"),
            ("one long part", "phone", [("n.", self.LONG)], None),
            ("two parts share the room", "phone",
             [("n.", self.LONG), ("v.", "get or try to get into communication (with someone) "
                                        "by telephone")], None),
            ("four long parts", "telephone", [("n.", self.LONG), ("v.", self.LONG),
                                              ("adj.", self.LONG), ("adv.", self.LONG)], None),
            ("a long unbroken word", "phone", [("n.", "y" * 300)], None),
            ("punctuation before the cut", "phone", [("n.", "sound, " * 40)], None),
            ("no room for any note", long_word, [("n.", self.LONG)], long_word),
        ]
        for name, word, parts, expected in cases:
            with self.subTest(name):
                line = gen.format_line(word, parts)
                self.assertLess(len(line), gen.LINE_LIMIT)
                if expected is not None:
                    self.assertEqual(line, expected)
                    continue
                # The only blank follows the word, so a pattern cannot end in the note.
                self.assertEqual(line.count(" "), 1)
                self.assertTrue(line.startswith(word + " "))
                note = line[len(word) + 1:].replace(NBSP, " ")
                self.assertTrue(note.endswith("."))
                if not note.endswith(gen.CUT_MARK):
                    note = note[:-1]
                # Every part keeps its label, and a cut falls between whole words.
                shown = note.split("; ")
                self.assertEqual(len(shown), len(parts))
                for (label, text), part in zip(parts, shown):
                    self.assertTrue(part.startswith(label + " "))
                    kept = part[len(label) + 1:]
                    if kept != text:
                        self.assertTrue(kept.endswith(gen.CUT_MARK))
                        stem = kept[: -len(gen.CUT_MARK)].rstrip()
                        self.assertTrue(text.startswith(stem))
                        if stem:
                            self.assertFalse(text[len(stem)].isalnum())

    def test_fitting_note_is_not_cut(self):
        room = gen.LINE_LIMIT - 1 - len("w n. .")
        exact = ("a" * 9 + " ") * (room // 10) + "b" * (room % 10)
        self.assertEqual(gen.format_line("w", [("n.", exact)]), noted("w n. " + exact))
        self.assertTrue(gen.format_line("w", [("n.", exact + "c")]).endswith(gen.CUT_MARK))

    def test_word_too_long_for_a_line_is_dropped(self):
        self.assertIsNone(gen.format_line("x" * gen.LINE_LIMIT, []))
        longest = "x" * (gen.LINE_LIMIT - 1)
        self.assertEqual(gen.format_line(longest, []), longest)


if __name__ == "__main__":
    unittest.main()
