"""lexiquarium-find when memory runs out while it loads the word list: every
allocation of the load is made to fail in turn, and each failure must end with
its message and exit status 1, never with a crash and never with a list printed
as if it were complete.

Two ways make an allocation fail:
  - an address-space limit (RLIMIT_AS, what `ulimit -v` sets), lowered step by
    step, so that the allocations fail from the last to the first;
  - the failalloc library preloaded into the tool, which refuses exactly one
    request of a kind and size, including a shrinking realloc, which no limit
    can make fail because it gives address space back.

Usage: python3 -m unittest test_memory_limits (with LEXI_FIND and LEXI_FAILALLOC set).
"""

import itertools
import os
import unittest

from hostile_support import (
    FAILALLOC,
    LINE_OUT_OF_MEMORY,
    SANITIZED,
    ListDirectory,
    listing,
    out_of_memory,
)

# An entry is a text pointer; the array starts with room for 145000 and doubles.
ENTRY_SIZE = 8
FIRST_CAPACITY = 145000
FIRST_ARRAY = out_of_memory(FIRST_CAPACITY * ENTRY_SIZE)
GROWN_ARRAY = out_of_memory(2 * FIRST_CAPACITY * ENTRY_SIZE)

# One line more than the first array holds, so that it grows once and shrinks.
SHORT_LINES = [b"w%d" % i for i in range(FIRST_CAPACITY + 1)]
SHRUNK_ARRAY = out_of_memory(len(SHORT_LINES) * ENTRY_SIZE)

LONG_LINE = b"x" * 6000000

LOADER_MISSING = b"error while loading shared libraries"


@unittest.skipIf(SANITIZED, "address-space limits do not work with AddressSanitizer")
class AddressSpaceLimits(ListDirectory):
    def smallest_limit(self, query, stdout):
        """The smallest address space, to 64 KiB, in which the search succeeds."""
        low, high = 0, 1 << 30
        self.assertOutcome(self.find(query, address_space=high), stdout, 0)
        while high - low > 1 << 16:
            middle = (low + high) // 2
            if self.find(query, address_space=middle).returncode == 0:
                high = middle
            else:
                low = middle
        return high

    def sweep(self, query, stdout, step):
        """Lowers the limit from where the search just succeeds until the program
        cannot even start; returns the messages of the failed loads."""
        seen = set()
        for limit in range(self.smallest_limit(query, stdout) - step, 0, -step):
            result = self.find(query, address_space=limit)
            if result.returncode == 127 and LOADER_MISSING in result.stderr:
                break
            with self.subTest(limit=limit):
                self.assertEqual((result.returncode, result.stdout), (1, b""), result.stderr)
                seen.add(result.stderr)
        return seen

    def test_many_lines(self):
        # From the top: the array's growth, a block of line copies, the first
        # array, the line buffer.
        self.write_list(listing(SHORT_LINES))
        seen = self.sweep(b"w14500?", b"w145000\n", 256 << 10)
        self.assertEqual(seen, {GROWN_ARRAY, LINE_OUT_OF_MEMORY, FIRST_ARRAY})

    def test_long_line(self):
        # From the top: the line's copy, the first array, the line buffer's growth.
        self.write_list(LONG_LINE + b"\nafter\n")
        seen = self.sweep(b"a*", b"after\n", 512 << 10)
        self.assertEqual(seen, {LINE_OUT_OF_MEMORY, FIRST_ARRAY})


@unittest.skipIf(SANITIZED or not FAILALLOC, "needs the failalloc library and no sanitizer")
class RefusedAllocations(ListDirectory):
    def refuse(self, query, kind, minimum, nth=1, rest=False):
        """Runs a search with the nth request of `kind` for at least `minimum` bytes
        refused (and every later one with `rest`); returns the result and the
        first refused request ("" when none was)."""
        log = os.path.join(self.cwd, "refused.log")
        env = {
            "LD_PRELOAD": FAILALLOC,
            "LEXI_FAIL_KIND": kind,
            "LEXI_FAIL_MIN": str(minimum),
            "LEXI_FAIL_NTH": str(nth),
            "LEXI_FAIL_REST": "1" if rest else "0",
            "LEXI_FAIL_LOG": log,
        }
        result = self.find(query, env=env)
        refused = ""
        if os.path.exists(log):
            with open(log) as f:
                refused = f.read().strip()
            os.remove(log)
        return result, refused

    def test_each_allocation_of_the_load(self):
        short = listing(SHORT_LINES)
        long = LONG_LINE + b"\nafter\n"
        long_request = len(LONG_LINE) + 1
        cases = [
            # what, list, kind and least size refused, size refused if known, message
            ("first entry array", b"a\nb\n", "grow", 1 << 20, 1160000, FIRST_ARRAY),
            ("grown entry array", short, "grow", 2 << 20, 2320000, GROWN_ARRAY),
            ("final shrink", short, "shrink", 1 << 20, 1160008, SHRUNK_ARRAY),
            ("line buffer", long, "grow", long_request, None, LINE_OUT_OF_MEMORY),
            ("line copy", long, "malloc", long_request, None, LINE_OUT_OF_MEMORY),
        ]
        for what, data, kind, minimum, size, message in cases:
            with self.subTest(what):
                self.write_list(data)
                result, refused = self.refuse(b"*", kind, minimum)
                self.assertEqual(refused.split()[:1], [kind], "nothing was refused")
                if size is not None:
                    self.assertEqual(refused, "%s %d" % (kind, size))
                self.assertLoadFails(result, message)

    def test_no_memory_at_all(self):
        # Not even the C++ runtime's reserve at start-up: the message must be
        # told without memory.
        self.write_list(b"a\nb\n")
        result, refused = self.refuse(b"*", "any", 1, rest=True)
        self.assertNotEqual(refused, "", "nothing was refused")
        self.assertLoadFails(result, LINE_OUT_OF_MEMORY)

    def test_every_large_allocation_in_turn(self):
        # Many short lines and one long one: every kind of allocation of the load.
        lines = SHORT_LINES[:1000] + [b"y" * 200000] + SHORT_LINES[1000:]
        self.write_list(listing(lines))
        shrunk = out_of_memory(len(lines) * ENTRY_SIZE)
        messages = {FIRST_ARRAY, GROWN_ARRAY, shrunk, LINE_OUT_OF_MEMORY}
        seen = set()
        for nth in itertools.count(1):
            result, refused = self.refuse(b"*", "any", 4096, nth)
            if not refused or result.returncode == 0:
                # Nothing left to refuse, or memory the tool could do without
                # (such as the C++ runtime's reserve at start-up).
                self.assertOutcome(result, listing(lines), 0)
                if not refused:
                    break
                continue
            with self.subTest(refused=refused):
                self.assertIn(result.stderr, messages)
                self.assertLoadFails(result, result.stderr)
                if result.stderr != LINE_OUT_OF_MEMORY:
                    # The message names the very size that was refused.
                    self.assertEqual(result.stderr, out_of_memory(int(refused.split()[1])))
                seen.add(result.stderr)
        self.assertEqual(seen, messages)


if __name__ == "__main__":
    unittest.main()
