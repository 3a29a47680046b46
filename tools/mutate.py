#!/usr/bin/env python3
"""Breaks the product code on purpose, one fault at a time, and tells which faults
no test catches.

The faults are data, one a row in tools/mutations.tsv: file, exact text, its
replacement and why, separated by tabs (\\t, \\n and \\\\ escape a tab, a line end
and a backslash); a fifth column marks a fault that changes nothing observable
and says why. For each fault the clean tree is copied into WORK/src (once; later
runs copy only what changed), the text is replaced, WORK/build is rebuilt
incrementally and the tests run with ctest. A row whose text is missing or
occurs more than once is reported as not applicable, and the run fails.

  tools/mutate.py                       # every fault, the tests of the ci build
  tools/mutate.py --only match/ --tests '^(Sound|Wild)'
  tools/mutate.py --source OTHER-CHECKOUT --work /tmp/m --exclude-label 'fuzz|valgrind'
"""

import argparse
import os
import resource
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def unescape(text):
    return text.replace("\\\\", "\0").replace("\\t", "\t").replace("\\n", "\n").replace("\0", "\\")


def read_faults(path):
    faults = []
    with open(path, encoding="utf-8") as table:
        for number, row in enumerate(table, start=1):
            if row.strip() and not row.startswith("#"):
                fields = row.rstrip("\n").split("\t")
                if len(fields) not in (4, 5):
                    sys.exit(f"{path}:{number}: needs 4 or 5 tab-separated fields")
                faults.append([number, fields[0], unescape(fields[1]), unescape(fields[2]),
                               fields[3], fields[4] if len(fields) == 5 else ""])
    return faults


def source_files(source):
    """The files of a git checkout, or of a plain copy without its build folders."""
    listed = subprocess.run(["git", "ls-files", "-z"], cwd=source, capture_output=True)
    if listed.returncode == 0:
        return [name for name in listed.stdout.decode().split("\0") if name]
    files = []
    for top, dirs, names in os.walk(source):
        dirs[:] = [d for d in dirs if not d.startswith(("build", "."))]
        files += [os.path.relpath(os.path.join(top, name), source) for name in names]
    return files


def copy_tree(source, target):
    """Copies the source files, leaving unchanged ones untouched so that the build
    stays incremental."""
    for name in source_files(source):
        src, dst = os.path.join(source, name), os.path.join(target, name)
        if os.path.isfile(dst) and open(src, "rb").read() == open(dst, "rb").read():
            continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        # A fresh time stamp: the build must see the file as newer than its objects.
        shutil.copyfile(src, dst)
        shutil.copymode(src, dst)


def limit_memory():
    # A fault can make a program gather lines for ever: it must fail, not fill the machine.
    resource.setrlimit(resource.RLIMIT_AS, (8 << 30, 8 << 30))


def run(command, log):
    with open(log, "w") as out:
        return subprocess.run(command, stdout=out, stderr=subprocess.STDOUT,
                              preexec_fn=limit_memory).returncode


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--source", default=ROOT, help="the clean checkout (default: this one)")
    parser.add_argument("--work", default=os.path.join(ROOT, "build-mutate"))
    parser.add_argument("--faults", default=os.path.join(ROOT, "tools", "mutations.tsv"))
    parser.add_argument("--only", default="", help="only the faults in files starting so")
    parser.add_argument("--tests", help="only the tests matching this regular expression")
    parser.add_argument("--exclude-label", default="fuzz", help="skip tests with these labels")
    parser.add_argument("--jobs", default="2")
    args = parser.parse_args()

    src, build = os.path.join(args.work, "src"), os.path.join(args.work, "build")
    os.makedirs(src, exist_ok=True)
    copy_tree(args.source, src)
    # The file of the last fault applied: a run stopped before its rebuild leaves
    # objects of the fault behind, which a fresh time stamp makes the build redo.
    last_fault = os.path.join(args.work, "last-fault")
    if os.path.exists(last_fault):
        with open(last_fault) as named:
            faulted = os.path.join(src, named.read())
        if os.path.exists(faulted):
            os.utime(faulted)
    log = os.path.join(args.work, "last.log")
    configure = ["cmake", "-S", src, "-B", build, "-DCMAKE_BUILD_TYPE=Release",
                 "-DLEXI_BUILD_BENCH=OFF"]
    ctest = ["ctest", "--test-dir", build, "-j", args.jobs, "--stop-on-failure", "--timeout",
             "300", "-LE", args.exclude_label] + (["-R", args.tests] if args.tests else [])
    if run(configure, log) or run(["cmake", "--build", build, "-j", args.jobs], log):
        sys.exit(f"the clean tree does not build; see {log}")
    if run(ctest, log):
        sys.exit(f"the clean tree fails its tests; see {log}")

    counts = {"caught": 0, "survived": 0, "survived as expected": 0, "not applicable": 0,
              "does not build": 0, "caught though expected to survive": 0}
    for number, name, text, replacement, why, same in read_faults(args.faults):
        if not name.startswith(args.only):
            continue
        path = os.path.join(src, name)
        clean = open(path, encoding="utf-8").read() if os.path.isfile(path) else ""
        found = clean.count(text)
        started = time.monotonic()
        if found != 1:
            outcome = "not applicable"
            detail = f"the text occurs {found} times in {name}"
        else:
            with open(last_fault, "w") as named:
                named.write(name)
            with open(path, "w", encoding="utf-8") as out:
                out.write(clean.replace(text, replacement))
            try:
                if run(["cmake", "--build", build, "-j", args.jobs], log):
                    outcome, detail = "does not build", why
                elif run(ctest, log):
                    outcome, detail = "caught", why
                else:
                    outcome, detail = "survived", why
            finally:
                with open(path, "w", encoding="utf-8") as out:
                    out.write(clean)
            if same:
                outcome = {"caught": "caught though expected to survive",
                           "survived": "survived as expected"}.get(outcome, outcome)
                detail = f"{why} (expected to change nothing: {same})"
        counts[outcome] += 1
        print(f"{outcome.upper():>34}  line {number:3}  {name}  {time.monotonic() - started:5.0f}s"
              f"  {detail}", flush=True)

    total = sum(counts.values())
    print(f"{total} faults: " + ", ".join(f"{n} {what}" for what, n in counts.items() if n))
    failed = total - counts["caught"] - counts["survived as expected"]
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
