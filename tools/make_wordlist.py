#!/usr/bin/env python3
"""Build LexiquariumWords.txt from WordNet 3.0 and the American English word list,
and LexiquariumCommon.txt, how common each of its words is, from SCOWL.

Every single word of either source gets one line: the word, one blank, and a
short note. A WordNet word's note gives each of its parts of speech with the
definition of its most frequent sense; a word only the American English list
knows is noted as a form of its WordNet lemma when WordNet's morphology leads to
one, and is left bare otherwise. The output is Latin-1 text with LF line ends,
sorted ignoring case, and the same inputs always give the same bytes.

The second file has a line for each word of the list that SCOWL knows: the
word, one blank, and the smallest size level of SCOWL's English, American,
British, Canadian and Australian lists that holds it (10 for the commonest
words, 95 for the rarest), in the list's order and encoding. The near search
ranks a common word before a rare one that is as near.

Only the Python standard library is used, so that the files can be rebuilt on a
fresh Debian 12 with the packages python3, wordnet-base, wamerican and scowl.
"""

import argparse
import os
import sys
import unicodedata

DEFAULT_WORDNET_DIR = "/usr/share/wordnet"
DEFAULT_WORDS_FILE = "/usr/share/dict/american-english"
DEFAULT_SCOWL_DIR = "/usr/share/dict/scowl"
DATA_DIR = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data")
DEFAULT_OUTPUT = os.path.join(DATA_DIR, "LexiquariumWords.txt")
# The program looks for how common the words are in a file beside the list.
COMMON_NAME = "LexiquariumCommon.txt"

# SCOWL's lists whose levels say how common a word is. The variant spellings
# and the lists of hacker slang and Roman numerals say nothing of it.
SCOWL_SPELLINGS = ("english", "american", "british", "canadian", "australian")

# Every line, without its LF, is shorter than this many bytes, so that a result
# row fits the dialog's list without a horizontal scroll of any length.
LINE_LIMIT = 160

# A wildcard match may only end at a blank (0x20) or at the end of the line, and
# a star covers blanks too. So that a pattern such as "ph*ne" can only end where
# the word ends, never inside or at the end of a note, the words of a note are
# parted by no-break spaces (0xA0, shown as blanks) and the note ends in a full
# stop. The one blank of a line is the one after its word.
NOTE_SPACE = "\u00a0"
NOTE_END = "."

# What replaces the tail of a definition that had to be cut.
CUT_MARK = "..."

# A definition cut shorter than this tells the reader nothing, so the note is
# left out instead.
MIN_SHARE = 16

# WordNet's file suffixes, in the order the parts of speech appear in a note.
PARTS_OF_SPEECH = ("noun", "verb", "adj", "adv")
LABELS = {"noun": "n.", "verb": "v.", "adj": "adj.", "adv": "adv."}

# WordNet's detachment rules: an inflected ending and what replaces it.
DETACHMENTS = {
    "noun": (
        ("s", ""),
        ("ses", "s"),
        ("xes", "x"),
        ("zes", "z"),
        ("ches", "ch"),
        ("shes", "sh"),
        ("men", "man"),
        ("ies", "y"),
    ),
    "verb": (
        ("s", ""),
        ("ies", "y"),
        ("es", "e"),
        ("es", ""),
        ("ed", "e"),
        ("ed", ""),
        ("ing", "e"),
        ("ing", ""),
    ),
    "adj": (("er", ""), ("est", ""), ("er", "e"), ("est", "e")),
    "adv": (),
}

# Syntactic markers that data.adj appends to some adjectives, e.g. "galore(ip)".
ADJECTIVE_MARKERS = ("(a)", "(p)", "(ip)")


class InputError(Exception):
    """A source file is missing or not in the expected format."""


def to_latin1(word):
    """The word's Latin-1 form, or None when it has a character Latin-1 lacks."""
    try:
        return unicodedata.normalize("NFC", word).encode("latin-1").decode("latin-1")
    except UnicodeEncodeError:
        return None


def is_single_word(word):
    """Whether the word is one token worth a line of its own.

    Multi-word lemmas (joined by underscores in WordNet) and possessives are left
    out. A token without any letter, such as "1000" or ".22", is left out too:
    its sound key is empty, so a sound search could never find it. So is one
    with a blank or a control character, which would break the line's layout.
    """
    if not word.isprintable() or " " in word or "_" in word:
        return False
    if word.endswith("'s") or word.endswith("s'"):
        return False
    return any(c.isalpha() for c in word)


def definition(gloss):
    """The definition part of a WordNet gloss, without the quoted examples."""
    cut = len(gloss)
    for separator in ('; "', ': "'):
        at = gloss.find(separator)
        if at != -1:
            cut = min(cut, at)
    return gloss[:cut].strip().rstrip(";").rstrip()


def shorten(text, room):
    """Cut `text` at a word boundary so that it, with the cut mark, takes at most `room`."""
    if len(text) <= room:
        return text
    longest = room - len(CUT_MARK) - 1  # what may stand before " ..."
    boundary = text.rfind(" ", 0, longest + 1)
    kept = text[:boundary].rstrip(" ,;:-(") if boundary > 0 else ""
    return f"{kept} {CUT_MARK}" if kept else CUT_MARK


def format_line(word, parts):
    """One output line: the word, a blank, and its note from (label, text) parts.

    When the whole note does not fit under LINE_LIMIT, the longest texts are cut
    first, down to an equal share, so that every part of speech keeps a visible
    start of its meaning. A note that cannot fit even so is left out.
    """
    if len(word) >= LINE_LIMIT:
        return None
    if not parts:
        return word
    overhead = len(word) + sum(len(label) + 2 for label, _ in parts) + 2 * (len(parts) - 1)
    room = LINE_LIMIT - 1 - overhead - len(NOTE_END)
    lengths = [len(text) for _, text in parts]
    if sum(lengths) > room:
        share = max(lengths)
        while share > 0 and sum(min(n, share) for n in lengths) > room:
            share -= 1
        if share < MIN_SHARE:
            return word
        parts = [(label, shorten(text, share)) for label, text in parts]
    note = "; ".join(f"{label} {text}" for label, text in parts)
    if not note.endswith(NOTE_END):
        note += NOTE_END
    return word + " " + note.replace(" ", NOTE_SPACE)


def _open_text(path):
    try:
        return open(path, encoding="latin-1", newline="")
    except OSError as error:
        raise InputError(f"cannot read {path}: {error.strerror}") from None


def _data_lines(path):
    """The records of a WordNet file, skipping the licence header lines."""
    with _open_text(path) as stream:
        for number, line in enumerate(stream, start=1):
            line = line.rstrip("\r\n")
            if line and not line.startswith(" "):
                yield number, line


def read_synsets(path):
    """Map each synset offset of a data file to its words and its definition."""
    synsets = {}
    for number, line in _data_lines(path):
        head, bar, gloss = line.partition(" | ")
        fields = head.split()
        try:
            word_count = int(fields[3], 16)
            words = fields[4 : 4 + 2 * word_count : 2]
        except (IndexError, ValueError):
            word_count, words = -1, []
        if not bar or len(words) != word_count:
            raise InputError(f"{path}:{number}: not a WordNet synset record")
        for marker in ADJECTIVE_MARKERS:
            words = [w[: -len(marker)] if w.endswith(marker) else w for w in words]
        synsets[fields[0]] = (words, definition(gloss))
    return synsets


def read_index(path):
    """The (lemma, synset offsets) pairs of an index file, senses in frequency order."""
    entries = []
    for number, line in _data_lines(path):
        # lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt [synset_offset...]
        fields = line.split()
        try:
            synset_count, pointer_count = int(fields[2]), int(fields[3])
        except (IndexError, ValueError):
            synset_count, pointer_count = -1, -1
        offsets = fields[6 + pointer_count :]
        if (
            synset_count < 1
            or pointer_count < 0
            or len(offsets) != synset_count
            or not all(len(o) == 8 and o.isdigit() for o in offsets)
        ):
            raise InputError(f"{path}:{number}: not a WordNet index record")
        entries.append((fields[0], offsets))
    return entries


def read_exceptions(path):
    """Map each irregular form of an exception list to its single-word lemmas."""
    exceptions = {}
    for number, line in _data_lines(path):
        fields = line.split()
        if len(fields) < 2:
            raise InputError(f"{path}:{number}: not a WordNet exception record")
        bases = exceptions.setdefault(fields[0], [])
        bases.extend(b for b in fields[1:] if "_" not in b and b not in bases)
    return exceptions


class WordNet:
    """The parts of WordNet the list needs: definitions by word and morphology."""

    def __init__(self, directory):
        # word as WordNet spells it -> {part of speech: definition of its most frequent sense}
        self.senses = {}
        self.exceptions = {}
        for pos in PARTS_OF_SPEECH:
            synsets = read_synsets(os.path.join(directory, f"data.{pos}"))
            for lemma, offsets in read_index(os.path.join(directory, f"index.{pos}")):
                for offset in offsets:
                    if offset not in synsets:
                        raise InputError(f"index.{pos}: {lemma} names a missing synset {offset}")
                    words, meaning = synsets[offset]
                    for word in words:
                        if word.lower() == lemma and meaning:
                            self.senses.setdefault(word, {}).setdefault(pos, meaning)
            self.exceptions[pos] = read_exceptions(os.path.join(directory, f"{pos}.exc"))

    def parts(self, word):
        """The (label, definition) parts of a WordNet word's note, in the usual order."""
        senses = self.senses[word]
        return [(LABELS[pos], senses[pos]) for pos in PARTS_OF_SPEECH if pos in senses]

    def base_forms(self, word, pos):
        """The lemmas of one part of speech that `word` is an inflected form of."""
        candidates = list(self.exceptions[pos].get(word, ()))
        if not (pos == "noun" and (word.endswith("ss") or len(word) <= 2)):
            for ending, replacement in DETACHMENTS[pos]:
                if word.endswith(ending):
                    candidates.append(word[: len(word) - len(ending)] + replacement)
        bases = []
        for base in candidates:
            if base != word and base not in bases and pos in self.senses.get(base, {}):
                bases.append(base)
        return bases

    def form_parts(self, word):
        """The note parts of a word that WordNet lacks: what it is a form of, if anything."""
        groups = []  # (labels, bases), parts of speech with the same bases together
        for pos in PARTS_OF_SPEECH:
            bases = self.base_forms(word, pos)
            if not bases:
                continue
            for labels, group_bases in groups:
                if group_bases == bases:
                    labels.append(LABELS[pos])
                    break
            else:
                groups.append(([LABELS[pos]], bases))
        return [(", ".join(labels), "form of " + ", ".join(bases)) for labels, bases in groups]


def read_word_list(path):
    """The words of a UTF-8 word list, one a line."""
    try:
        with open(path, encoding="utf-8", newline="") as stream:
            return [line.rstrip("\r\n") for line in stream]
    except OSError as error:
        raise InputError(f"cannot read {path}: {error.strerror}") from None
    except UnicodeDecodeError as error:
        raise InputError(f"{path}: not UTF-8 text ({error.reason})") from None


def sort_key(word):
    """Alphabetical order ignoring case and accents.

    Words equal under that order follow each other unaccented first and then
    capitalised first ("Polish" before "polish"), so the order is total and fixed.
    """
    folded = unicodedata.normalize("NFD", word.lower())
    plain = "".join(c for c in folded if not unicodedata.combining(c))
    return (plain, word.lower(), word)


def build_lines(wordnet, extra_words):
    """All output lines, as text, sorted."""
    lines = {}
    for word in wordnet.senses:
        if is_single_word(word) and to_latin1(word) == word:
            line = format_line(word, wordnet.parts(word))
            if line is not None:
                lines[word] = line
    for raw in extra_words:
        word = to_latin1(raw.strip())
        if word is None or word in lines or not is_single_word(word):
            continue
        line = format_line(word, wordnet.form_parts(word))
        if line is not None:
            lines[word] = line
    return [lines[word] for word in sorted(lines, key=sort_key)]


def read_levels(scowl_dir):
    """{word: its smallest SCOWL level} over SCOWL_SPELLINGS's lists."""
    levels = {}
    try:
        names = sorted(os.listdir(scowl_dir))
    except OSError as error:
        raise InputError(f"cannot read {scowl_dir}: {error.strerror}") from error
    for name in names:
        spelling, _, level = name.partition("-")
        if spelling not in SCOWL_SPELLINGS or not level.split(".")[-1].isdigit():
            continue
        number = int(level.split(".")[-1])
        path = os.path.join(scowl_dir, name)
        with open(path, encoding="utf-8", errors="replace") as stream:
            for word in stream:
                word = word.strip()
                if word and levels.get(word, 100) > number:
                    levels[word] = number
    if not levels:
        raise InputError(f"{scowl_dir} holds none of SCOWL's word lists")
    return levels


def common_lines(lines, levels):
    """A line "word level" for each line's word that `levels` knows, in order."""
    common = []
    for line in lines:
        word = line.split(" ", 1)[0]
        if word in levels:
            common.append(f"{word} {levels[word]}")
    return common


def encode(lines):
    """The file's bytes: Latin-1 lines, each ended by LF."""
    return "".join(line + "\n" for line in lines).encode("latin-1")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--wordnet", default=DEFAULT_WORDNET_DIR, help="WordNet 3.0 dict directory")
    parser.add_argument("--words", default=DEFAULT_WORDS_FILE, help="UTF-8 word list, one a line")
    parser.add_argument("--scowl", default=DEFAULT_SCOWL_DIR, help="SCOWL's final/ directory")
    parser.add_argument("--output", "-o", default=DEFAULT_OUTPUT, help="the list to write")
    args = parser.parse_args(argv)
    common_output = os.path.join(os.path.dirname(args.output), COMMON_NAME)
    try:
        lines = build_lines(WordNet(args.wordnet), read_word_list(args.words))
        files = ((args.output, encode(lines)),
                 (common_output, encode(common_lines(lines, read_levels(args.scowl)))))
    except InputError as error:
        print(f"make_wordlist: {error}", file=sys.stderr)
        return 1
    for path, content in files:
        try:
            with open(path, "wb") as stream:
                stream.write(content)
        except OSError as error:
            print(f"make_wordlist: cannot write {path}: {error.strerror}", file=sys.stderr)
            return 1
        lines = content.count(b"\n")
        print(f"{path}: {lines} lines, {len(content)} bytes", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
