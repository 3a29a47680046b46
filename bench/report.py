#!/usr/bin/env python3
"""Prints the figures of bench/run.sh and bench/gui/run.sh from the JSON that
hyperfine and Google Benchmark write, each beside its goal.

  report.py ratio JSON LABEL GOAL    the first command's mean over the second's
  report.py diff JSON LABEL GOAL...  each command's mean less the first's (ms)
  report.py core JSON                the sound index, near query and resident memory goals
  report.py growth JSON LABEL...     one mean per list size
"""

import json
import sys


def means(path):
    with open(path) as f:
        return [r["mean"] * 1000 for r in json.load(f)["results"]]


def verdict(ok):
    return "goal met" if ok else "GOAL MISSED"


def ratio(path, label, goal):
    ours, theirs = means(path)[:2]
    r = ours / theirs
    print(f"  {label:<44} {ours:7.1f} ms vs {theirs:7.1f} ms   ratio {r:5.2f}"
          f"   (goal <= {goal})  {verdict(r <= float(goal))}")


def diff(path, label, *goals):
    values = means(path)
    base = values[0]
    print(f"  {label}: {base:.1f} ms on the empty list")
    for value, goal in zip(values[1:], goals):
        name, limit = goal.split("=")
        added = value - base
        print(f"    {name:<40} {value:7.1f} ms, the list adds {added:6.1f} ms"
              f"   (goal <= {limit} ms)  {verdict(added <= float(limit))}")


def core(path):
    with open(path) as f:
        benchmarks = json.load(f)["benchmarks"]
    runs = {b["name"].split("/")[0]: b for b in benchmarks}
    for near in (b for b in benchmarks if b["name"].startswith("BM_Near/")):
        ms = near["real_time"]
        label = f"Near query '{near['name'].split('/')[1]}' (index built)"
        print(f"  {label:<44} {ms:7.2f} ms   (goal <= 25 ms on 1M lines)  {verdict(ms <= 25)}")
    index = runs.get("BM_SoundIndex")
    if index:
        ms = index["real_time"]
        print(f"  {'Sound keys of every line (SoundIndex::build)':<44} {ms:7.1f} ms"
              f"   (goal <= 50 ms)  {verdict(ms <= 50)}")
    memory = runs.get("BM_ResidentAfterLoad")
    if memory:
        added, limit = memory["added_RSS_MB"], memory["limit_MB"]
        texts = memory.get("load_RSS_MB")
        alone = f"texts alone {texts:.1f} MB; " if texts is not None else ""
        print(f"  {'Resident memory added by load and index':<44} {added:7.1f} MB"
              f" ({alone}goal <= {limit:.1f} MB: file + 16 B a line + 16 MB)"
              f"  {verdict(added <= limit)}")


def growth(path, *labels):
    values = means(path)
    print("  " + "   ".join(f"{label}: {value:7.1f} ms" for label, value in zip(labels, values)))


if __name__ == "__main__":
    commands = {"ratio": ratio, "diff": diff, "core": core, "growth": growth}
    commands[sys.argv[1]](*sys.argv[2:])
