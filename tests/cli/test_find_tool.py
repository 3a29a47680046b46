"""lexiquarium-find run as a real process: its interface and exit statuses.

Usage: python3 -m unittest test_find_tool (with LEXI_FIND set to the binary).
"""

import os
import subprocess
import tempfile
import unittest

FIND = os.environ.get("LEXI_FIND", "lexiquarium-find")

WORDS = (
    b"phone n. a device\n"
    b"fone\r\n"
    b"phoneme n. a sound\n"
    b"\n"
    b"Knight n. a soldier\n"
    b"night n. dark\n"
    b"caf\xe9 n. coffee house\n"
    b"cat\n"
)


def run(args, cwd, stdin=b""):
    return subprocess.run([FIND, *args], cwd=cwd, input=stdin, capture_output=True, timeout=60)


class FindTool(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.cwd = self.dir.name
        with open(os.path.join(self.cwd, "LexiquariumWords.txt"), "wb") as f:
            f.write(WORDS)
        with open(os.path.join(self.cwd, "other.txt"), "wb") as f:
            f.write(b"fun\nfan stuff\n")

    def tearDown(self):
        self.dir.cleanup()

    def test_searches_and_exit_statuses(self):
        cases = [
            # args, stdout, exit status, stderr
            (["fone"], b"phone n. a device\nfone\n", 0, b""),
            (["nite"], b"Knight n. a soldier\nnight n. dark\n", 0, b""),
            (["ph*ne"], b"phone n. a device\n", 0, b""),
            (["caf?"], b"caf\xe9 n. coffee house\n", 0, b""),
            (["*"], WORDS.replace(b"\r\n", b"\n"), 0, b""),
            (["--", "fone"], b"phone n. a device\nfone\n", 0, b""),
            (["--list", "other.txt", "fn"], b"fun\nfan stuff\n", 0, b""),
            (["zzzzq"], b"", 3, b""),
            (["123"], b"", 3, b""),
            (["c*********"], b"", 4, b"Too many *\n"),
            (["a*********"], b"", 3, b""),
        ]
        for args, out, status, err in cases:
            with self.subTest(args=args):
                result = run(args, self.cwd)
                self.assertEqual(result.stdout, out)
                self.assertEqual(result.returncode, status)
                self.assertEqual(result.stderr, err)

    def test_bad_usage(self):
        for args in [[], ["--list"], ["--list", "other.txt"], ["--bogus", "x"], ["a", "b"], [""]]:
            with self.subTest(args=args):
                result = run(args, self.cwd)
                self.assertEqual(result.returncode, 2)
                self.assertEqual(result.stdout, b"")
                self.assertIn(b"Usage: lexiquarium-find", result.stderr)

    def test_load_failures(self):
        missing = tempfile.TemporaryDirectory()
        self.addCleanup(missing.cleanup)
        result = run(["fone"], missing.name)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stdout, b"")
        expected = "Error: Cannot open file '%s/LexiquariumWords.txt':\nNo such file or directory.\n\nLexiquarium will close now.\n" % os.path.realpath(missing.name)
        self.assertEqual(result.stderr.decode(), expected)

        os.mkdir(os.path.join(missing.name, "LexiquariumWords.txt"))
        result = run(["fone"], missing.name)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr, b"Error: Cannot read file 'LexiquariumWords.txt':\nIs a directory.\n\nLexiquarium will close now.\n")

    def test_keys(self):
        result = run(["--key", "phone", "Thompson", "", "why"], self.cwd)
        self.assertEqual((result.stdout, result.returncode), (b"fn\n0mpsn\n\n\n", 0))
        result = run(["--key"], self.cwd, stdin=b"knight\r\nice cream\nx\x1ay\n")
        self.assertEqual((result.stdout, result.returncode), (b"nt\nas\ns\n", 0))
        result = run(["--key"], self.cwd, stdin=b"")
        self.assertEqual((result.stdout, result.returncode), (b"", 3))

    def test_help_and_version(self):
        result = run(["--help"], self.cwd)
        self.assertEqual(result.returncode, 0)
        self.assertIn(b"Exit status", result.stdout)
        result = run(["--version"], self.cwd)
        self.assertEqual((result.stdout, result.returncode), (b"lexiquarium-find 2.2\n", 0))

    def test_full_output_device_is_reported(self):
        if not os.path.exists("/dev/full"):
            self.skipTest("no /dev/full")
        with open("/dev/full", "wb") as full:
            result = subprocess.run([FIND, "*"], cwd=self.cwd, stdout=full, stderr=subprocess.PIPE, timeout=60)
        self.assertEqual(result.returncode, 5)
        self.assertIn(b"cannot write the output", result.stderr)


if __name__ == "__main__":
    unittest.main()
