"""What the hostile tests share: running lexiquarium-find as a real process in a
directory of its own, the messages a user sees, and the text-mode rules as a
plain model to compare with.

The environment names the programs: LEXI_FIND the query tool, LEXI_FAILALLOC the
allocation-refusing library, and LEXI_SANITIZED=1 says the tool is built with
AddressSanitizer, under which address-space limits and preloaded allocators
cannot be used.
"""

import os
import resource
import subprocess
import tempfile
import unittest

FIND = os.environ.get("LEXI_FIND", "lexiquarium-find")
FAILALLOC = os.environ.get("LEXI_FAILALLOC", "")
SANITIZED = os.environ.get("LEXI_SANITIZED") == "1"

LIST_NAME = "LexiquariumWords.txt"

# Long enough for any of these runs on a slow machine; it only catches a hang.
HANG_TIMEOUT = 120


def closing(first_part):
    return (first_part + "\n\nLexiquarium will close now.\n").encode("latin-1")


LINE_OUT_OF_MEMORY = closing("Error: Cannot get memory in getALine.")


def out_of_memory(size):
    return closing("Error: Cannot get memory (%d bytes)." % size)


def cannot_open(path, reason):
    return closing("Error: Cannot open file '%s':\n%s." % (path, reason))


def cannot_read(reason):
    return closing("Error: Cannot read file '%s':\n%s." % (LIST_NAME, reason))


def model_lines(data):
    """The entries of a word list of these bytes: the first 0x1A ends it, LF ends a
    line and takes one CR before it along, a final LF adds no line, and a NUL ends
    a line's text but not the line."""
    pieces = data.split(b"\x1a", 1)[0].split(b"\n")
    unended = pieces.pop()
    lines = [piece[:-1] if piece.endswith(b"\r") else piece for piece in pieces]
    if unended:
        lines.append(unended)
    return [line.split(b"\0", 1)[0] for line in lines]


def listing(lines):
    """What the tool prints for these lines: each one followed by LF."""
    return b"".join(line + b"\n" for line in lines)


def limit_address_space(size):
    def apply():
        resource.setrlimit(resource.RLIMIT_AS, (size, size))

    return apply


def run_find(args, cwd, address_space=None, env=None, timeout=HANG_TIMEOUT, **kwargs):
    """Runs the tool; `address_space` caps its virtual memory in bytes."""
    return subprocess.run(
        [FIND, *args],
        cwd=cwd,
        capture_output=True,
        timeout=timeout,
        preexec_fn=limit_address_space(address_space) if address_space else None,
        env=None if env is None else {**os.environ, **env},
        **kwargs,
    )


class ListDirectory(unittest.TestCase):
    """A test case with a scratch directory to start the tool in."""

    def setUp(self):
        scratch = tempfile.TemporaryDirectory(prefix="lexi-hostile-")
        self.addCleanup(scratch.cleanup)
        self.cwd = os.path.realpath(scratch.name)
        self.list_path = os.path.join(self.cwd, LIST_NAME)

    def write_list(self, data):
        with open(self.list_path, "wb") as f:
            f.write(data)

    def find(self, *args, **kwargs):
        return run_find(list(args), self.cwd, **kwargs)

    def assertOutcome(self, result, stdout, status, stderr=b""):
        """Compares all that a user sees; long outputs are not printed whole."""
        self.assertEqual(result.returncode, status, result.stderr[:500])
        self.assertEqual(result.stderr, stderr)
        if len(stdout) > 10000 or len(result.stdout) > 10000:
            self.assertTrue(result.stdout == stdout, "the output differs (%d bytes, %d expected)"
                            % (len(result.stdout), len(stdout)))
        else:
            self.assertEqual(result.stdout, stdout)

    def assertLoadFails(self, result, stderr):
        """A failed load: its message, status 1 and not one line of output."""
        self.assertOutcome(result, b"", 1, stderr)
