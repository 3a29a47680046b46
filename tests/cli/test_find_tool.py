"""lexiquarium-find run as a real process: its options, outcomes and exit statuses,
and its failures when memory runs out.

Usage: python3 -m unittest test_find_tool (LEXI_FIND names the tool, LEXI_FAILALLOC
the library that refuses an allocation, LEXI_SANITIZED=1 a sanitized build).
"""

import os
import re
import subprocess
import tempfile
import unittest

FIND = os.environ.get("LEXI_FIND", "lexiquarium-find")
FAILALLOC = os.environ.get("LEXI_FAILALLOC", "")
SANITIZED = os.environ.get("LEXI_SANITIZED") == "1"

WORDS = (b"phone n. a device\nfone\r\nphoneme n. a sound\n\nKnight n. a soldier\n"
         b"night n. dark\ncaf\xe9 n. coffee house\ncat\n")
USAGE = (b"Usage: lexiquarium-find [--list FILE] [--] QUERY\n"
         b"       lexiquarium-find --key [WORD...]\n"
         b"       lexiquarium-find --help | --version\n")
CLOSING = b".\n\nLexiquarium will close now.\n"
DIRECTORY = object()  # standard input that cannot be read


def usage(problem):
    return b"lexiquarium-find: " + problem + b"\n" + USAGE


def run(args, cwd, stdin=b"", stdout=subprocess.PIPE, env=None):
    if stdin is DIRECTORY:
        directory = os.open(cwd, os.O_RDONLY)
        try:
            return run(args, cwd, directory, stdout, env)
        finally:
            os.close(directory)
    feed = {"input": stdin} if isinstance(stdin, bytes) else {"stdin": stdin}
    return subprocess.run([FIND, *args], cwd=cwd, stdout=stdout, stderr=subprocess.PIPE,
                          timeout=120, env=None if env is None else {**os.environ, **env}, **feed)


class FindTool(unittest.TestCase):
    def setUp(self):
        scratch = tempfile.TemporaryDirectory()
        self.addCleanup(scratch.cleanup)
        self.cwd = os.path.realpath(scratch.name)
        self.write("LexiquariumWords.txt", WORDS)
        self.write("other.txt", b"fun\nfan stuff\n")
        os.mkdir(os.path.join(self.cwd, "adir"))

    def write(self, name, data):
        with open(os.path.join(self.cwd, name), "wb") as f:
            f.write(data)

    def test_outcomes(self):
        phones = b"phone n. a device\nfone\n"
        missing = "Error: Cannot open file '%s/missing.txt':\nNo such file or directory" % self.cwd
        cases = [
            # args, standard input, standard output, exit status, standard error
            (["fone"], b"", phones, 0, b""),
            (["nite"], b"", b"Knight n. a soldier\nnight n. dark\n", 0, b""),
            (["ph*ne"], b"", b"phone n. a device\n", 0, b""),
            (["caf?"], b"", b"caf\xe9 n. coffee house\n", 0, b""),
            (["*"], b"", WORDS.replace(b"\r\n", b"\n"), 0, b""),
            (["--", "fone"], b"", phones, 0, b""),
            (["--", "--list"], b"", b"", 3, b""),
            (["-"], b"", b"", 3, b""),
            (["--list", "other.txt", "fn"], b"", b"fun\nfan stuff\n", 0, b""),
            (["--list", "other.txt", "--", "f*"], b"", b"fun\nfan stuff\n", 0, b""),
            (["zzzzq"], b"", b"", 3, b""),
            (["123"], b"", b"", 3, b""),
            (["c*********"], b"", b"", 4, b"Too many *\n"),
            (["a*********"], b"", b"", 3, b""),
            (["--list", "missing.txt", "fone"], b"", b"", 1, missing.encode() + CLOSING),
            (["--list", "adir", "x*"], b"", b"", 1,
             b"Error: Cannot read file 'adir':\nIs a directory" + CLOSING),
            ([], b"", b"", 2, usage(b"no QUERY given")),
            ([""], b"", b"", 2, usage(b"the QUERY is empty")),
            (["--list"], b"", b"", 2, usage(b"--list needs a FILE")),
            (["--list", "other.txt"], b"", b"", 2, usage(b"no QUERY given")),
            (["--bogus", "x"], b"", b"", 2, usage(b"unknown option '--bogus'")),
            (["a", "b"], b"", b"", 2, usage(b"give one QUERY (quote a query that holds blanks)")),
            (["--key", "phone", "Thompson", "", "why"], b"", b"fn\n0mpsn\n\n\n", 0, b""),
            (["--key"], b"knight\r\nice cream\nx\x1ay\n", b"nt\nas\ns\n", 0, b""),
            (["--key"], b"", b"", 3, b""),
            (["--key"], DIRECTORY, b"", 1,
             b"lexiquarium-find: cannot read standard input: Is a directory\n"),
            (["--version"], b"", b"lexiquarium-find 2.2\n", 0, b""),
        ]
        for args, stdin, out, status, err in cases:
            with self.subTest(args=args):
                result = run(args, self.cwd, stdin)
                self.assertEqual((result.stdout, result.returncode, result.stderr),
                                 (out, status, err))

    def test_help(self):
        result = run(["--help"], self.cwd)
        self.assertEqual(result.returncode, 0)
        self.assertTrue(result.stdout.startswith(USAGE + b"\nPrints the lines"))
        self.assertIn(b"\nExit status: 0 lines or keys printed", result.stdout)

    def test_full_output_device_is_reported(self):
        if not os.path.exists("/dev/full"):
            self.skipTest("no /dev/full")
        for args in [["*"], ["--key", "phone"], ["--help"]]:
            with self.subTest(args=args), open("/dev/full", "wb") as full:
                result = run(args, self.cwd, stdout=full)
                self.assertEqual(result.returncode, 5)
                self.assertIn(b"lexiquarium-find: cannot write the output: ", result.stderr)

    @unittest.skipIf(SANITIZED or not FAILALLOC, "needs the failalloc library and no sanitizer")
    def test_each_large_allocation_refused_in_turn(self):
        # Many short lines and a long one reach every kind of allocation of the load.
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
            result = run(["*"], self.cwd, env=env)
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
                self.assertEqual((result.returncode, result.stdout), (1, b""))
                match = message.fullmatch(result.stderr)
                self.assertTrue(match, result.stderr)
                if match.group(2):
                    self.assertEqual(int(match.group(2)), int(refused[0]), "the size refused")
                failed += 1
        self.assertGreaterEqual(failed, 3, "fewer refusals ended the load than it has allocations")

    @unittest.skipIf(SANITIZED or not FAILALLOC, "needs the failalloc library and no sanitizer")
    def test_no_memory_at_all(self):
        # Not even the C++ runtime's reserve at start-up: the message must be told
        # without memory.
        env = {"LD_PRELOAD": FAILALLOC, "LEXI_FAIL_NTH": "1", "LEXI_FAIL_REST": "1"}
        result = run(["*"], self.cwd, env=env)
        self.assertEqual((result.returncode, result.stdout, result.stderr),
                         (1, b"", b"Error: Cannot get memory in getALine" + CLOSING))


if __name__ == "__main__":
    unittest.main()
