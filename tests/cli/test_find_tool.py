"""lexiquarium-find run as a real process: the cases of outcomes.txt, its help, a
full output device, a current directory that was removed, the installed tool
from a folder without a list, and its failures when memory runs out.
The text of --help is help.txt.

Usage: python3 -m unittest test_find_tool (LEXI_FIND names the tool, LEXI_FAILALLOC
the library that refuses an allocation, LEXI_SANITIZED=1 a sanitized build,
LEXI_BUILD_DIR the build directory, to install from).
"""

import ast
import os
import random
import re
import subprocess
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
FIND = os.environ.get("LEXI_FIND", "lexiquarium-find")
FAILALLOC = os.environ.get("LEXI_FAILALLOC", "")
NO_FAILALLOC = os.environ.get("LEXI_SANITIZED") == "1" or not FAILALLOC
BUILD = os.environ.get("LEXI_BUILD_DIR", "")

WORDS = (b"phone n. a device\nfone\r\nphoneme n. a sound\n\nKnight n. a soldier\n"
         b"night n. dark\ncaf\xe9 n. coffee house\ncat\n")
with open(os.path.join(HERE, "help.txt"), "rb") as help_file:
    HELP = help_file.read()  # the whole text of --help, which opens with the usage
USAGE = HELP[:HELP.index(b"\n\n") + 1]


class FindTool(unittest.TestCase):
    def setUp(self):
        scratch = tempfile.TemporaryDirectory()
        self.addCleanup(scratch.cleanup)
        self.cwd = os.path.realpath(scratch.name)
        self.write("LexiquariumWords.txt", WORDS)
        self.write("other.txt", b"fun\nfan stuff\n")
        self.write("utf8.txt", "Asunción n. the capital\nasunder\nAtatürk\n".encode())
        os.mkdir(os.path.join(self.cwd, "adir"))

    def write(self, name, data):
        with open(os.path.join(self.cwd, name), "wb") as f:
            f.write(data)

    def run_find(self, args, stdin=b"", stdout=subprocess.PIPE, env=None, locale="C"):
        if stdin is None:  # a directory: reading it fails
            directory = os.open(self.cwd, os.O_RDONLY)
            self.addCleanup(os.close, directory)
            feed = {"stdin": directory}
        else:
            feed = {"input": stdin}
        return subprocess.run([FIND, *args], cwd=self.cwd, stdout=stdout, stderr=subprocess.PIPE,
                              timeout=120, env={**os.environ, "LC_ALL": locale, **(env or {})},
                              **feed)

    def test_outcomes(self):
        with open(os.path.join(HERE, "outcomes.txt"), encoding="utf-8") as table:
            cases = [ast.literal_eval(row) for row in table if row.strip() and row[0] != "#"]
        self.assertGreater(len(cases), 25)
        for args, stdin, out, status, err, *locale in cases:
            with self.subTest(args=args, locale=locale):
                err = err.replace(b"{dir}", self.cwd.encode()).replace(b"{usage}", USAGE)
                result = self.run_find(args, stdin, locale=(locale or ["C"])[0])
                self.assertEqual((result.stdout, result.returncode, result.stderr),
                                 (out, status, err))

    def test_streamed_queries_agree_with_the_loaded_list_and_many_queries_with_one_each(self):
        # A one-shot query reads the list through a small buffer and holds back
        # what waits on its encoding; --queries loads it whole and answers from
        # its indexes. On random lists of every encoding, whose deciding line may
        # come late, the two agree line for line, message for message.
        rng = random.Random(28)
        pieces = [b"a", b"e", b"o", b"n", b"c", b"t", b"f", b"ph", b"ght", b"K", b" ", b"\r",
                  b"\xe9", "é".encode(), "ő".encode(), b"\x00", b"?"]
        queries = [b"fone", b"nite", b"ca?", b"c?t", b"*\xc3*", "caf?".encode(), "cé*********".encode(),
                   "*é*".encode(), "ő*".encode(), b"\xe9*", b"c*********", b"*o*", b"K?",
                   b"\xff", b"ph*"]
        kinds = {"ascii": 0, "latin1": 13, "utf8": 14, "utf8 then a stray byte": 14}
        for kind, high in kinds.items():
            for late in (False, True):
                lines = []
                for i in range(3000):
                    usable = pieces[:12] + ([pieces[high]] if high and (i > 2900) == late else [])
                    lines.append(b"".join(rng.choices(usable, k=rng.randrange(1, 9))))
                if kind.endswith("stray byte"):
                    lines.insert(rng.randrange(2500, 3000), b"c\xe9t")
                lines.insert(1700, b"o" * 70000)
                listing = b"\n".join(lines) + rng.choice([b"", b"\n", b"\r\n", b"\x1a\xff"])
                self.write("random.txt", listing)
                self.write("queries.txt", b"\n".join(queries) + b"\n")
                for locale, flags in [("C", []), ("C.UTF-8", []), ("C.UTF-8", ["--bytes"])]:
                    with self.subTest(kind=kind, late=late, locale=locale, flags=flags):
                        self.assert_one_run_as_many(["--list", "random.txt", *flags], queries,
                                                    locale)
        self.write("queries.txt", b"fone\nnite\nx*\nzzz\nfun\n")
        self.assert_one_run_as_many(["--list", "other.txt", "--near", "--max", "2"],
                                    [b"fone", b"nite", b"x*", b"zzz", b"fun"], "C")

    def assert_one_run_as_many(self, args, queries, locale):
        out, err, status = b"", b"", None
        for number, query in enumerate(queries, 1):
            one = self.run_find([*args, "--", query], locale=locale)
            where = b"lexiquarium-find: line %d: " % number
            out += b"".join(query + b"\t" + line + b"\n" for line in one.stdout.split(b"\n")[:-1])
            err += b"".join(where + line.removeprefix(b"lexiquarium-find: ") + b"\n"
                            for line in one.stderr.split(b"\n")[:-1])
            if one.returncode in (2, 4) and status is None:
                status = one.returncode
        status = status or (0 if out else 3)
        many = self.run_find([*args, "--queries", "queries.txt"], locale=locale)
        self.assertEqual((many.stderr, many.returncode), (err, status))
        self.assertTrue(many.stdout == out, "the lines found differ")

    def test_a_removed_current_directory_is_told(self):
        # Nor is there a list where an install would put it beside the built tool.
        gone = os.path.join(self.cwd, "gone")
        os.mkdir(gone)
        installed = os.path.join(os.path.dirname(os.path.dirname(os.path.realpath(FIND))),
                                 "share", "lexiquarium", "LexiquariumWords.txt")
        result = subprocess.run(["sh", "-c", 'cd "$1" && rmdir "$1" && exec "$0" fone', FIND, gone],
                                capture_output=True, timeout=120, env={**os.environ, "LC_ALL": "C"})
        self.assertEqual((result.stdout, result.returncode, result.stderr),
                         (b"", 1, b"Error: Cannot open file 'LexiquariumWords.txt' or '%s':\n"
                          b"No such file or directory.\n\nLexiquarium will close now.\n"
                          % installed.encode()))

    @unittest.skipUnless(BUILD, "needs the build directory to install from")
    def test_the_installed_tool_reads_the_installed_list_where_the_folder_has_none(self):
        prefix = os.path.join(self.cwd, "prefix")
        subprocess.run(["cmake", "--install", BUILD, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL, timeout=300)
        os.mkdir(os.path.join(self.cwd, "empty"))
        tool = os.path.join(prefix, "bin", "lexiquarium-find")
        # The installed list's lines, or the folder's own list, which comes first.
        for folder, found in [("empty", b"\nphone n."), (".", b"phone n. a device\nfone\n")]:
            with self.subTest(folder=folder):
                result = subprocess.run([tool, "fone"], cwd=os.path.join(self.cwd, folder),
                                        capture_output=True, timeout=120)
                self.assertEqual((result.returncode, result.stderr), (0, b""))
                self.assertIn(found, b"\n" + result.stdout)

    def test_keys_of_standard_input_are_the_keys_of_its_lines_as_words(self):
        # Lines of every length across the reads of standard input, and one that
        # outgrows its buffer.
        rng = random.Random(11)
        words = [bytes(rng.choices(b"abcdefghijklmnopqrstuvwxyz", k=rng.randrange(60)))
                 for _ in range(20000)]
        words.insert(9000, b"k" * 100000)
        by_line = self.run_find(["--key"], b"\r\n".join(words))
        by_word = self.run_find(["--key", *(word.decode() for word in words)])
        self.assertEqual((by_line.returncode, by_word.returncode), (0, 0))
        self.assertTrue(by_line.stdout == by_word.stdout, "the keys differ")

    def test_help(self):
        result = self.run_find(["--help"])
        self.assertEqual((result.stdout, result.returncode), (HELP, 0))

    def test_full_output_device_is_reported(self):
        for args in [["*"], ["--key", "phone"], ["--help"]]:
            with self.subTest(args=args), open("/dev/full", "wb") as full:
                result = self.run_find(args, stdout=full)
                self.assertEqual(result.returncode, 5)
                self.assertIn(b"lexiquarium-find: cannot write the output: ", result.stderr)

    @unittest.skipIf(NO_FAILALLOC, "needs the failalloc library and no sanitizer")
    def test_memory_refused_at_each_large_allocation_or_from_the_start(self):
        # Many short lines and a long one reach every kind of allocation of the read.
        lines = [b"w%d" % i for i in range(150000)]
        lines.insert(1000, b"y" * 200000)
        listing = b"".join(line + b"\n" for line in lines)
        self.write("LexiquariumWords.txt", listing)
        log = os.path.join(self.cwd, "refused.log")
        message = re.compile(rb"Error: Cannot get memory( \((\d+) bytes\)| in getALine)\.\n\n"
                             rb"Lexiquarium will close now\.\n")
        failed = 0
        for nth in range(1, 1000):
            env = {"LD_PRELOAD": FAILALLOC, "LEXI_FAIL_MIN": "4096", "LEXI_FAIL_NTH": str(nth),
                   "LEXI_FAIL_LOG": log}
            result = self.run_find(["*"], env=env)
            refused = []
            if os.path.exists(log):
                with open(log) as f:
                    refused = f.read().split()
                os.remove(log)
            if not refused or result.returncode == 0:
                # Nothing left to refuse, or memory the tool could do without.
                self.assertEqual((result.returncode, result.stdout == listing), (0, True))
                if not refused:
                    break
                continue
            with self.subTest(refused=refused):
                # The list is read as it is searched: the lines before the long
                # one are out, whole, and none after it.
                self.assertEqual(result.returncode, 1)
                self.assertTrue(listing.startswith(result.stdout), "a line after the failure")
                self.assertLessEqual(result.stdout.count(b"\n"), 1000)
                self.assertTrue(result.stdout.endswith(b"\n") or not result.stdout)
                match = message.fullmatch(result.stderr)
                self.assertTrue(match, result.stderr)
                if match.group(2):
                    self.assertEqual(int(match.group(2)), int(refused[0]), "the size refused")
                failed += 1
        self.assertGreaterEqual(failed, 3, "fewer refusals ended the load than it has allocations")
        # Not even the C++ runtime's reserve at start-up: the message is told without memory.
        result = self.run_find(["*"], env={"LD_PRELOAD": FAILALLOC, "LEXI_FAIL_NTH": "1",
                                           "LEXI_FAIL_REST": "1"})
        self.assertEqual((result.returncode, result.stdout), (1, b""))
        self.assertEqual(message.fullmatch(result.stderr).group(1), b" in getALine")

    @unittest.skipIf(NO_FAILALLOC, "needs the failalloc library and no sanitizer")
    def test_near_index_memory_refused(self):
        # The near index takes 37 bytes a line, 296 for the list's 8: refuse that block.
        log = os.path.join(self.cwd, "refused.log")
        for nth in range(1, 100):
            env = {"LD_PRELOAD": FAILALLOC, "LEXI_FAIL_MIN": "296", "LEXI_FAIL_NTH": str(nth),
                   "LEXI_FAIL_LOG": log}
            result = self.run_find(["--near", "fone"], env=env)
            with open(log) as f:
                if f.read().split() == ["296"]:
                    break
        self.assertEqual((result.returncode, result.stdout, result.stderr),
                         (1, b"", b"Cannot get memory (296 bytes) for the near search.\n"))


if __name__ == "__main__":
    unittest.main()
