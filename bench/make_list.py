#!/usr/bin/env python3
"""Writes a word list of N lines (default 1,000,000) to standard output.

Each line is a made-up word and a short note, about 40 bytes in all, so that a
million lines make a file of about 40 MB. The same N gives the same bytes.
"""

import random
import sys

ONSETS = ["", "b", "c", "ch", "d", "f", "g", "h", "k", "l", "m", "n", "p", "ph", "qu", "r",
          "s", "sh", "st", "t", "th", "tr", "v", "w", "wh", "z", "kn", "gn", "wr", "x"]
VOWELS = ["a", "e", "i", "o", "u", "ea", "ou", "y", "io"]
CODAS = ["", "", "n", "ne", "t", "ck", "ght", "ss", "tion", "ble", "dge", "mb", "x", "r", "l"]
NOTE_WORDS = ["a", "the", "of", "to", "device", "sound", "small", "kind", "used", "for",
              "making", "person", "place", "water", "light", "old", "form", "with", "state"]
PARTS = ["n.", "v.", "adj.", "adv."]


def word(rng):
    syllables = rng.choice([1, 2, 2, 3])
    return "".join(rng.choice(ONSETS) + rng.choice(VOWELS) + rng.choice(CODAS)
                   for _ in range(syllables))


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
    rng = random.Random(20261207)
    out = sys.stdout.buffer
    lines = []
    for _ in range(count):
        note = " ".join(rng.choice(NOTE_WORDS) for _ in range(rng.randint(3, 7)))
        lines.append(f"{word(rng)} {rng.choice(PARTS)} {note}\n".encode("ascii"))
        if len(lines) == 10000:
            out.write(b"".join(lines))
            lines.clear()
    out.write(b"".join(lines))


if __name__ == "__main__":
    main()
