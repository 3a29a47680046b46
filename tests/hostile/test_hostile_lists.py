"""Hostile word lists: each one loaded by lexiquarium-find as a real process and
checked for exactly what a user sees: the message, the exit status, or the lines
that a search then lists.

Usage: python3 -m unittest test_hostile_lists (with LEXI_FIND set to the binary).
"""

import os
import random
import subprocess
import sys
import threading
import unittest

from hostile_support import (
    LINE_OUT_OF_MEMORY,
    SANITIZED,
    ListDirectory,
    cannot_open,
    cannot_read,
    listing,
    model_lines,
)

# Far more than any of the lists below needs, far less than an endless line asks for.
ENDLESS_LINE_LIMIT = 512 << 20


class SmallLists(ListDirectory):
    def test_line_rules(self):
        cr_only = b"one\rtwo\rthree\r"
        ctrl_z = b"alpha\nbe\x1ata\ngamma\n"
        bom = b"\xef\xbb\xbfapple\napple pie\n"
        nuls = b"ab\x00cd\nef\n\x00zz\nx\x00\x00y"
        cases = [
            # what, list, query, output, exit status
            ("empty file", b"", b"*", b"", 3),
            ("empty file, by sound", b"", b"fone", b"", 3),
            ("only LF", b"\n" * 5, b"*", b"\n" * 5, 0),
            ("only CR LF", b"\r\n" * 3, b"*", b"\n" * 3, 0),
            ("only line ends, by sound", b"\n\r\n\n", b"fone", b"", 3),
            ("CR-only line ends: one line", cr_only, b"*", cr_only + b"\n", 0),
            ("CR-only line ends: no second line", cr_only, b"two*", b"", 3),
            ("CR-only line ends: ? covers a CR", cr_only, b"one?two*", cr_only + b"\n", 0),
            ("0x1A ends the file", ctrl_z, b"*", b"alpha\nbe\n", 0),
            ("nothing after 0x1A", ctrl_z, b"g*", b"", 3),
            ("0x1A first", b"\x1aapple\n", b"*", b"", 3),
            ("BOM kept in the text", bom, b"*", bom, 0),
            ("BOM: the first line does not start with a", bom, b"a*", b"apple pie\n", 0),
            ("BOM: found by its bytes", bom, b"\xef\xbb\xbf*", b"\xef\xbb\xbfapple\n", 0),
            ("BOM: no letters, so the sound is the same", bom, b"apple", bom, 0),
            ("NUL ends the text, not the line", nuls, b"*", b"ab\nef\n\nx\n", 0),
            ("NUL: the rest plays no part", b"ph\x00one\nfone\n", b"fone", b"fone\n", 0),
            ("a million NULs in one line", b"a" + b"\0" * 1000000 + b"\nb\n", b"*", b"a\nb\n", 0),
        ]
        for what, data, query, stdout, status in cases:
            with self.subTest(what):
                self.write_list(data)
                self.assertOutcome(self.find(query), stdout, status)

    def test_random_binary(self):
        raw = random.Random(20240607).randbytes(1 << 20)
        for what, data in [("as it is", raw), ("without 0x1A", raw.replace(b"\x1a", b"\x1b"))]:
            lines = model_lines(data)
            starting_with_a = [line for line in lines if line[:1] in (b"a", b"A")]
            self.write_list(data)
            with self.subTest(what, query="*"):
                self.assertOutcome(self.find(b"*"), listing(lines), 0)
            with self.subTest(what, query="a*"):
                self.assertOutcome(self.find(b"a*"), listing(starting_with_a),
                                   0 if starting_with_a else 3)


class UnreadableLists(ListDirectory):
    def test_missing_file(self):
        self.assertLoadFails(self.find(b"fone"),
                             cannot_open(self.list_path, "No such file or directory"))

    def test_directory_in_its_place(self):
        os.mkdir(self.list_path)
        self.assertLoadFails(self.find(b"fone"), cannot_read("Is a directory"))

    def test_no_read_permission(self):
        self.write_list(b"phone\n")
        os.chmod(self.list_path, 0)
        as_user = {}
        if os.geteuid() == 0:
            # Root reads any file; someone without privileges does not.
            os.chmod(self.cwd, 0o755)
            as_user = {"user": 65534, "group": 65534, "extra_groups": []}
        try:
            result = self.find(b"fone", **as_user)
        except PermissionError:
            self.skipTest("the tool cannot be run as an unprivileged user from where it is")
        self.assertLoadFails(result, cannot_open(self.list_path, "Permission denied"))

    @unittest.skipIf(SANITIZED, "address-space limits do not work with AddressSanitizer")
    def test_endless_line_from_a_named_pipe(self):
        os.mkfifo(self.list_path)
        # The writer blocks in its open until the tool opens the pipe, then writes
        # until the tool has gone.
        writer = subprocess.Popen([sys.executable, "-c", (
            "import os, sys\n"
            "fd = os.open(sys.argv[1], os.O_WRONLY)\n"
            "block = b'a' * 65536\n"
            "try:\n"
            "    while True:\n"
            "        os.write(fd, block)\n"
            "except BrokenPipeError:\n"
            "    pass\n"), self.list_path])
        self.addCleanup(writer.kill)
        result = self.find(b"a*", address_space=ENDLESS_LINE_LIMIT)
        self.assertLoadFails(result, LINE_OUT_OF_MEMORY)
        writer.wait(timeout=60)

    @unittest.skipIf(SANITIZED, "address-space limits do not work with AddressSanitizer")
    def test_endless_stream_of_nuls(self):
        os.symlink("/dev/zero", self.list_path)
        result = self.find(b"*", address_space=ENDLESS_LINE_LIMIT)
        self.assertLoadFails(result, LINE_OUT_OF_MEMORY)


class LargeLists(ListDirectory):
    def test_single_100_megabyte_line(self):
        long_line = b"x" * (100 << 20) + b"y"
        self.write_list(long_line + b"\r\nafter\n")
        cases = [
            (b"x*y", long_line + b"\n", 0),
            (b"x*z", b"", 3),
            (b"a*", b"after\n", 0),
        ]
        for query, stdout, status in cases:
            with self.subTest(query=query):
                self.assertOutcome(self.find(query), stdout, status)

    def test_five_million_short_lines(self):
        # Digits have no sound key, so only the three phones are found by sound.
        lines = [b"%07d" % i for i in range(5000000)]
        lines[0:0] = [b"phone"]
        lines[2500000:2500000] = [b"phone"]
        lines.append(b"phone")
        data = listing(lines)
        self.write_list(data)
        cases = [
            (b"*", data, 0),
            (b"fone", b"phone\n" * 3, 0),
            (b"4999999", b"", 3),
            (b"4999999*", b"4999999\n", 0),
            (b"??????", b"", 3),
        ]
        for query, stdout, status in cases:
            with self.subTest(query=query):
                self.assertOutcome(self.find(query), stdout, status)

    def test_list_appended_to_while_read(self):
        first = [b"w%07d" % i for i in range(2000000)]
        self.write_list(listing(first))
        appended = [b"z%07d" % i for i in range(5000000)]
        started = threading.Event()
        stop = threading.Event()

        def append():
            fd = os.open(self.list_path, os.O_WRONLY | os.O_APPEND)
            try:
                for line in appended:
                    os.write(fd, line + b"\n")
                    started.set()
                    if stop.is_set():
                        break
            finally:
                os.close(fd)
                started.set()

        writer = threading.Thread(target=append)
        writer.start()
        try:
            started.wait()
            result = self.find(b"*")
        finally:
            stop.set()
            writer.join()
        self.assertEqual((result.returncode, result.stderr), (0, b""))
        shown = result.stdout.split(b"\n")
        self.assertEqual(shown.pop(), b"", "every line shown ends with LF")
        self.assertEqual(shown[:len(first)], first)
        # What was appended in time follows in order; the last line may have been
        # caught halfway through its write.
        later = shown[len(first):]
        self.assertEqual(later[:-1], appended[:len(later) - 1])
        if later:
            self.assertTrue(appended[len(later) - 1].startswith(later[-1]), later[-1])


if __name__ == "__main__":
    unittest.main()
