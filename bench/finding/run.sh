#!/bin/sh
# How often each way of finding a word lists the word the user meant, on the
# misspellings of codespell's dictionary (misspelling->word), the slips of
# people who type, and with --by-ear on those of people who write a word as it
# sounds, a table for each: the sound search
# as it is (every line whose key equals the query's, in file order), the near
# search (its best 20 lines, knowing how common the words are from the
# LexiquariumCommon.txt beside the list), `aspell -a` and `hunspell -a` (en_US, their
# suggestions in order). A line counts as the meant word when its first word,
# the text before the first blank, is exactly the meant word. The table gives
# how often the meant word comes first, within 5, within 10 and at all, and the
# time of one query: for the two searches the search call alone, in process;
# for aspell and hunspell the wall time of one process fed every case, divided
# by their number (start-up included, and printed apart).
#
# The cases, and why:
#   - entries with one correction only: with several, or with a reason after
#     it, codespell itself cannot tell which word was meant;
#   - ASCII only, and a misspelling of letters alone: the spelling checkers
#     split a word at a hyphen, an apostrophe or a digit and answer for each
#     part, and the sound key reads letters alone;
#   - the meant word is the first word of a line of the bundled list, and
#     aspell accepts it: a word that a way could never list says nothing of
#     how it ranks;
#   - the misspelling is no first word of the list, ignoring the case of A-Z
#     as the searches do, and aspell does not accept it: no way can tell such a
#     slip from the word the user typed on purpose;
#   - each misspelling once.
#
# Usage: bench/finding/run.sh [BUILD_DIR] [--misses WAY] [--cases FILE] [--by-ear FILE]
#          [--list FILE] [--common FILE] [--no-hunspell] [--fresh]
#   BUILD_DIR: default build, from `cmake --preset default`; its
#     bench/finding/finding_bench is needed.
#   --misses sound|near|aspell|hunspell: also list the cases that way does not
#     put first, with what it put first and where the other ways put the word.
#   --cases FILE: take the cases from FILE's misspelling->word lines instead.
#   --by-ear FILE: a second table, from FILE's typed<TAB>meant lines: the
#     development half of a corpus of words written as they sound, kept
#     outside the project (shared/corpora/spelt-by-ear-dev.tsv beside the
#     checkout; it is not ours to redistribute, so it is never committed).
#   --list FILE: search FILE instead of the bundled list.
#   --common FILE: how common the words are, instead of the file beside the list.
#   --no-hunspell: leave hunspell out. The answers of aspell and hunspell, and
#     their times, are kept in BUILD_DIR/bench/finding/ for the same cases and
#     package versions, since hunspell's first run takes half an hour; --fresh
#     runs them again.
set -eu
cd "$(dirname "$0")/../.."
build=build
case "${1:-}" in
  "" | -*) ;;
  *)
    build=$1
    shift
    ;;
esac
exec python3 bench/finding/run.py --build "$build" "$@"
