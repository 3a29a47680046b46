"""lexiquarium-find under valgrind's memcheck: on the bundled word list and on
the failure paths, no invalid read or write, no use of uninitialised memory and
no block lost (definitely or indirectly) may show.

Usage: python3 -m unittest test_valgrind (with LEXI_FIND and LEXI_BUNDLED_LIST set).
"""

import os
import shutil
import subprocess
import unittest

from hostile_support import FIND, HANG_TIMEOUT, SANITIZED, ListDirectory

BUNDLED_LIST = os.environ.get("LEXI_BUNDLED_LIST", "")
VALGRIND = shutil.which("valgrind")

# Any error, a leak of those kinds included, makes valgrind end with this status.
ERRORS_FOUND = 99


@unittest.skipIf(SANITIZED, "valgrind cannot run a program built with AddressSanitizer")
@unittest.skipIf(VALGRIND is None, "valgrind is not installed")
class Memcheck(ListDirectory):
    def memcheck(self, args, cwd):
        return subprocess.run(
            [VALGRIND, "--leak-check=full", "--errors-for-leak-kinds=definite,indirect",
             "--show-leak-kinds=definite,indirect", "--error-exitcode=%d" % ERRORS_FOUND,
             FIND, *args],
            cwd=cwd, capture_output=True, timeout=HANG_TIMEOUT * 5)

    def assertClean(self, result, status):
        report = result.stderr.decode("latin-1")
        self.assertEqual(result.returncode, status, report[-3000:])
        self.assertIn("ERROR SUMMARY: 0 errors", report)

    def test_bundled_list(self):
        directory = os.path.dirname(BUNDLED_LIST)
        cases = [
            # query, exit status
            (b"ph*ne", 0),
            (b"fone", 0),
            (b"1234", 3),
            (b"*a*a*a*a*a*a*a*a*a", 4),
        ]
        for query, status in cases:
            with self.subTest(query=query):
                self.assertClean(self.memcheck([query], directory), status)

    def test_own_lists(self):
        cases = [
            # what, list or None for none, exit status
            ("missing list", None, 1),
            ("a long line and NULs", b"x" * 300000 + b"\n\0\0\r\nfone\r\n", 0),
        ]
        for what, data, status in cases:
            with self.subTest(what):
                if os.path.exists(self.list_path):
                    os.remove(self.list_path)
                if data is not None:
                    self.write_list(data)
                self.assertClean(self.memcheck([b"fone"], self.cwd), status)


if __name__ == "__main__":
    unittest.main()
