"""How often each way of finding a word lists the word a user meant.

Selects the cases (the rules and their reasons are in run.sh's header), runs
finding_bench for the sound search and the near search, and aspell and
hunspell in their pipe mode, on the same cases; prints a Markdown table of how
often each lists the meant word first, within 5, within 10 and at all, with
the time of one query. --misses WAY lists the cases that WAY does not put
first. Run through run.sh.
"""

import argparse
import hashlib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

CODESPELL = "/usr/lib/python3/dist-packages/codespell_lib/data/dictionary.txt"
WAYS = ("sound", "near", "aspell", "hunspell")
LABELS = {
    "sound": "Sound search (every line of equal key, file order)",
    "near": "Near search (best {} lines)",
    "aspell": "`aspell -a`, en_US (its suggestions, in order)",
    "hunspell": "`hunspell -a`, en_US (its suggestions, in order)",
}
ASPELL = ["aspell", "-a", "--lang=en_US"]
HUNSPELL = ["hunspell", "-a", "-d", "en_US"]
WORD = re.compile(r"[A-Za-z]+")
# The file beside the list that says how common its words are.
COMMON_NAME = "LexiquariumCommon.txt"


def fail(message):
    print(f"run.py: {message}", file=sys.stderr)
    sys.exit(1)


def first_words(path):
    """The first word of every line of a word list, as the searches compare it:
    the text before the first blank, read as Latin-1 (the bundled list's)."""
    words = set()
    with open(path, "rb") as lines:
        for line in lines:
            words.add(line.rstrip(b"\r\n").split(b" ", 1)[0].decode("latin-1"))
    return words


def read_pairs(path):
    """(typed, meant) of every line "typed->meant", in file order, with the
    number of lines that hold more than one correction or a reason."""
    pairs, several = [], 0
    with open(path, encoding="utf-8", errors="replace") as lines:
        for number, line in enumerate(lines, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            typed, arrow, right = line.partition("->")
            if not arrow or not typed.strip() or not right.strip():
                fail(f"{path}:{number}: not a line misspelling->word")
            if "," in right:
                several += 1
                continue
            pairs.append((typed.strip(), right.strip()))
    return pairs, several


def read_tab_pairs(path):
    """(typed, meant) of every line "typed<TAB>meant", in file order; a blank
    in a multi-word entry is written "_". None holds more than one correction."""
    pairs = []
    with open(path, encoding="utf-8", errors="replace") as lines:
        for number, line in enumerate(lines, 1):
            fields = line.rstrip("\r\n").split("\t")
            if len(fields) != 2 or not fields[0] or not fields[1]:
                fail(f"{path}:{number}: not a line typed<TAB>meant")
            pairs.append((fields[0], fields[1]))
    return pairs, 0


def package_versions(packages):
    """The installed versions of Debian packages, or nothing elsewhere."""
    if shutil.which("dpkg-query") is None:
        return ""
    run = subprocess.run(["dpkg-query", "-W", "-f=${Package} ${Version}\n", *packages],
                         capture_output=True, text=True)
    return run.stdout


class Checker:
    """A spelling checker in its pipe mode. Its answers are kept in `cache`,
    under the command, the words and the versions of its packages: hunspell
    takes a quarter of an hour for the codespell cases, which a run that tunes
    the near search should not wait for."""

    def __init__(self, command, packages, env, cache, fresh):
        self.command, self.packages, self.env = command, packages, env
        self.cache, self.fresh = cache, fresh
        self.name = command[0]

    def usable(self):
        """Whether the checker and its en_US dictionary are installed; if not,
        says what to install."""
        if shutil.which(self.name) is None:
            print(f"{self.name} is not installed (apt-get install {' '.join(self.packages)})")
            return False
        run = subprocess.run(self.command, input="", capture_output=True, text=True,
                             env=self.env)
        if run.returncode != 0:
            print(f"{self.name} has no en_US dictionary (apt-get install "
                  f"{' '.join(self.packages)}): {run.stderr.strip()}")
            return False
        return True

    def answers(self, words):
        """Feeds `words`, one a line, each after '^' so that none is read as a
        command. Returns one answer a word, the wall time of the run in seconds,
        and when it was measured if it was kept from an earlier run (else
        None). An answer is the list of its result lines, one for each word
        the checker found in the line; a blank line ends it."""
        text = "".join(f"^{word}\n" for word in words)
        key = hashlib.sha256("\0".join(
            [*self.command, package_versions(self.packages), text]).encode()).hexdigest()
        kept = os.path.join(self.cache, f"{self.name}-{key[:16]}.txt")
        measured = None
        if not self.fresh and os.path.exists(kept):
            with open(kept, encoding="utf-8") as file:
                seconds, measured = file.readline().split(" ", 1)
                seconds, measured, output = float(seconds), measured.strip(), file.read()
        else:
            if len(words) > 1000:
                print(f"{self.name}: {len(words)} words; kept in {kept} for later runs",
                      file=sys.stderr)
            start = time.perf_counter()
            run = subprocess.run(self.command, input=text, capture_output=True, text=True,
                                 env=self.env)
            seconds = time.perf_counter() - start
            if run.returncode != 0:
                fail(f"{' '.join(self.command)} failed (status {run.returncode}): "
                     f"{run.stderr.strip()}")
            output = run.stdout
        lines = output.split("\n")
        if not lines[0].startswith("@(#)") or lines[-1] != "":
            fail(f"{' '.join(self.command)}: not the output of a pipe mode: {output[:80]!r}")
        answers, current = [], []
        for line in lines[1:-1]:
            if line == "":
                answers.append(current)
                current = []
            else:
                current.append(line)
        if current or len(answers) != len(words):
            fail(f"{' '.join(self.command)}: {len(answers)} answers for {len(words)} words")
        if measured is None and len(words) > 1000:
            os.makedirs(self.cache, exist_ok=True)
            with open(kept, "w", encoding="utf-8") as file:
                file.write(f"{seconds} {time.strftime('%Y-%m-%d %H:%M')}\n{output}")
        return answers, seconds, measured


def accepted(answer):
    """Whether an answer says the one word of its line is correct."""
    return len(answer) == 1 and answer[0][:1] in ("*", "+", "-")


def suggestions(answer):
    """The suggestions of an answer about one word, in order."""
    if len(answer) != 1:
        return []
    line = answer[0]
    if line.startswith("&"):
        # "& typed count offset: first, second, ..."
        return line.split(": ", 1)[1].split(", ")
    return []


def rank_of(listed, meant):
    return listed.index(meant) + 1 if meant in listed else 0


def select(pairs, words, aspell):
    """The cases, and how many pairs each rule dropped."""
    folded = {word.lower() for word in words if word.isascii()}
    dropped = {}
    kept, seen = [], set()

    def drop(rule):
        dropped[rule] = dropped.get(rule, 0) + 1

    for typed, meant in pairs:
        if not typed.isascii() or not meant.isascii():
            drop("not ASCII")
        elif not WORD.fullmatch(typed):
            drop("misspelling not letters alone")
        elif meant not in words:
            drop("meant word not a first word of the list")
        elif typed.lower() in folded:
            drop("misspelling a first word of the list (ignoring case)")
        elif typed in seen:
            drop("misspelling seen before")
        else:
            seen.add(typed)
            kept.append((typed, meant))
    if not kept:
        return kept, dropped
    answers, _, _ = aspell.answers([word for pair in kept for word in pair])
    cases = []
    for index, pair in enumerate(kept):
        typed_answer, meant_answer = answers[2 * index], answers[2 * index + 1]
        if not accepted(meant_answer):
            drop("meant word unknown to aspell")
        elif len(typed_answer) != 1:
            drop("misspelling not read as one word by aspell")
        elif accepted(typed_answer):
            drop("misspelling accepted by aspell")
        else:
            cases.append(pair)
    return cases, dropped


def run_engine(bench, word_list, common, cases):
    """Ranks and first words of the sound and the near search, their times
    per query in microseconds, the near index's build in milliseconds, and
    how many lines the near search lists."""
    with tempfile.NamedTemporaryFile("w", encoding="ascii", suffix=".txt") as file:
        file.writelines(f"{typed}\t{meant}\n" for typed, meant in cases)
        file.flush()
        run = subprocess.run([bench, word_list, file.name, common], capture_output=True, text=True,
                             encoding="latin-1")
    if run.returncode != 0:
        fail(f"{bench} failed: {run.stderr.strip()}")
    ranks = {"sound": [], "near": []}
    firsts = {"sound": [], "near": []}
    lines = [line.split("\t") for line in run.stdout.splitlines()]
    if (len(lines) != len(cases) + 1 or any(len(fields) != 7 for fields in lines[:-1])
            or lines[-1][0] != "time" or len(lines[-1]) != 5):
        fail(f"{bench}: not the output expected for {len(cases)} cases (rebuild it?)")
    for fields in lines[:-1]:
        ranks["sound"].append(int(fields[2]))
        firsts["sound"].append(fields[3])
        ranks["near"].append(int(fields[4]))
        firsts["near"].append(fields[5])
    time_line = lines[-1]
    times = {"sound": float(time_line[1]), "near": float(time_line[2])}
    return ranks, firsts, times, float(time_line[3]), int(time_line[4])


def run_checker(checker, cases):
    """Ranks and first suggestions of a spelling checker, its time per case in
    microseconds (one process fed every case), its start-up alone in
    milliseconds, and when the time was measured if it was kept."""
    answers, seconds, measured = checker.answers([typed for typed, _ in cases])
    _, idle, _ = checker.answers([])
    ranks, firsts = [], []
    for answer, (_, meant) in zip(answers, cases):
        listed = suggestions(answer)
        ranks.append(rank_of(listed, meant))
        firsts.append(listed[0] if listed else "")
    return ranks, firsts, seconds * 1e6 / len(cases), idle * 1e3, measured


def machine():
    """The machine's cores and load: on a busy machine, the times swing."""
    try:
        with open("/proc/loadavg", encoding="ascii") as file:
            load = ", ".join(file.read().split()[:3])
    except OSError:
        return f"Machine: {os.cpu_count()} cores."
    return f"Machine: {os.cpu_count()} cores; load average {load} (1, 5, 15 minutes)."


def share(count, total):
    return f"{count} ({100.0 * count / total:.1f}%)"


def table(results, cases, notes, labels):
    total = len(cases)
    print("| Way | First | Within 5 | Within 10 | At all | Time per query |")
    print("|---|---|---|---|---|---|")
    for way in WAYS:
        if way not in results:
            continue
        ranks, _, micros = results[way]
        cells = [share(sum(1 for r in ranks if 0 < r <= limit), total) for limit in (1, 5, 10)]
        cells.append(share(sum(1 for r in ranks if r > 0), total))
        cells.append(f"{micros:.1f} µs" if micros < 1000 else f"{micros / 1000:.2f} ms")
        print(f"| {labels[way]} | " + " | ".join(cells) + " |")
    print()
    for note in notes:
        print(note)


def misses(results, cases, way):
    ranks, firsts, _ = results[way]
    others = [w for w in WAYS if w in results and w != way]
    print(f"Cases the {way} way does not put first (rank 0: not listed):")
    print()
    print("| Misspelling | Meant | Rank | First listed | " + " | ".join(others) + " |")
    print("|---|---|---|---|" + "---|" * len(others))
    shown = 0
    for index, (typed, meant) in enumerate(cases):
        if ranks[index] == 1:
            continue
        shown += 1
        other = [str(results[w][0][index]) for w in others]
        print(f"| {typed} | {meant} | {ranks[index]} | {firsts[index]} | " + " | ".join(other)
              + " |")
    print()
    print(f"{shown} of {len(cases)} cases.")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build", help="the build directory")
    parser.add_argument("--list", default="data/LexiquariumWords.txt", help="the word list")
    parser.add_argument("--cases", default=CODESPELL,
                        help="misspelling->word lines (default: codespell's dictionary)")
    parser.add_argument("--by-ear", metavar="FILE",
                        help="also the misspellings of people who write words as they sound: "
                             "typed<TAB>meant lines, such as shared/corpora/spelt-by-ear-dev.tsv")
    parser.add_argument("--common", metavar="FILE",
                        help="how common the words are (default: LexiquariumCommon.txt beside "
                             "the list)")
    parser.add_argument("--misses", choices=WAYS,
                        help="also list the cases this way does not put first")
    parser.add_argument("--no-hunspell", action="store_true",
                        help="leave hunspell out (its first run takes half an hour)")
    parser.add_argument("--fresh", action="store_true",
                        help="run aspell and hunspell again instead of taking their kept answers")
    options = parser.parse_args()

    bench = os.path.join(options.build, "bench", "finding", "finding_bench")
    if not os.access(bench, os.X_OK):
        fail(f"{bench} is missing: cmake --build {options.build} --target finding_bench")
    # A home of their own, so that no personal dictionary takes part.
    home = tempfile.TemporaryDirectory()
    env = dict(os.environ, HOME=home.name, LC_ALL="C.UTF-8")

    if not os.path.isfile(options.list):
        fail(f"cannot read the word list {options.list}")
    if options.by_ear and not os.path.isfile(options.by_ear):
        fail(f"cannot read {options.by_ear}")
    if not os.path.exists(options.cases):
        if options.cases == CODESPELL:
            fail("codespell is not installed (apt-get install codespell): its misspellings "
                 "are the cases")
        fail(f"cannot read {options.cases}")
    cache = os.path.join(options.build, "bench", "finding")
    aspell = Checker(ASPELL, ["aspell", "aspell-en"], env, cache, options.fresh)
    hunspell = Checker(HUNSPELL, ["hunspell", "hunspell-en-us"], env, cache, options.fresh)
    if not aspell.usable():
        fail("aspell decides which cases count: install it")
    checkers = [aspell]
    if not options.no_hunspell:
        if hunspell.usable():
            checkers.append(hunspell)
        else:
            print("hunspell's row skipped")
    if options.misses and options.misses not in ["sound", "near"] + [c.name for c in checkers]:
        fail(f"--misses {options.misses}: that way is left out")

    words = first_words(options.list)
    common = options.common
    if common is None:
        common = os.path.join(os.path.dirname(options.list), COMMON_NAME)
    corpora = [("Typing slips", options.cases, read_pairs(options.cases))]
    if options.by_ear:
        corpora.append(("Spelt by ear", options.by_ear, read_tab_pairs(options.by_ear)))
    for number, (title, path, (pairs, several)) in enumerate(corpora):
        if number > 0:
            print()
        print(f"### {title}")
        print()
        measure(options, bench, common, checkers, aspell, words, path, pairs, several)


def measure(options, bench, common, checkers, aspell, words, path, pairs, several):
    """Selects the cases of one corpus, runs every way on them and prints the table."""
    cases, dropped = select(pairs, words, aspell)
    if not cases:
        fail(f"no case left of the {len(pairs)} pairs of {path}")

    results = {}
    ranks, firsts, times, build_ms, near_results = run_engine(bench, options.list, common, cases)
    labels = dict(LABELS, near=LABELS["near"].format(near_results))
    for way in ("sound", "near"):
        results[way] = (ranks[way], firsts[way], times[way])
    notes = [f"{len(cases)} cases from {path} on {options.list}, how common its words are "
             f"from {common if os.path.isfile(common) else 'nowhere (no such file)'}."]
    notes.append(machine())
    by_count = sorted(dropped.items(), key=lambda item: -item[1])
    notes.append(f"Dropped: {several} with more than one correction or a reason; " +
                 "; ".join(f"{count} {rule}" for rule, count in by_count) + ".")
    notes.append(f"The near index took {build_ms:.1f} ms to build, reading how common the "
                 "words are included. Sound and near search: mean time of the search call "
                 "alone, in process.")
    for checker in checkers:
        checked, listed_first, micros, idle_ms, measured = run_checker(checker, cases)
        results[checker.name] = (checked, listed_first, micros)
        when = ""
        if measured:
            when = f" (answers and time kept from {measured}; --fresh runs it again)"
        notes.append(f"{checker.name}: wall time of one process fed all {len(cases)} cases, "
                     f"divided by their number{when}; its start-up alone takes "
                     f"{idle_ms:.0f} ms.")
    table(results, cases, notes, labels)
    if options.misses:
        print()
        misses(results, cases, options.misses)

if __name__ == "__main__":
    main()
