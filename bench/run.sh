#!/bin/sh
# Measures the core on a generated list of 1,000,000 lines (about 40 MB):
# load, sound and wildcard searches, the adversarial pattern and resident memory
# (Google Benchmark), then whole runs of lexiquarium-find against wc -l and
# grep -i on the same file (hyperfine).
# Usage: bench/run.sh [BUILD_DIR]   (default: build, from `cmake --preset default`)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
list="$build/bench/list-1m.txt"
find="$build/cli/lexiquarium-find"

[ -s "$list" ] || python3 bench/make_list.py 1000000 >"$list"
echo "List: $list, $(wc -l <"$list") lines, $(wc -c <"$list") bytes"

"$build/bench/core_bench" "$list" --benchmark_counters_tabular=true

if ! command -v hyperfine >/dev/null 2>&1; then
  echo "hyperfine is not installed (apt-get install hyperfine): whole-process figures skipped"
  exit 0
fi
# A query without letters has an empty sound key: the run measures the load alone.
hyperfine -N -i --warmup 2 --runs 10 \
  "wc -l $list" \
  "$find --list $list 0"
# The same searches as grep -i with the equivalent regular expressions, both
# writing into a pipe (grep stops at the first match when it sees /dev/null): a pattern
# must match from the start of the line up to a blank or the end of the line.
for pair in "ph*ne|^ph.*ne( |\$)" "c?t|^c.t( |\$)" "*tion|^.*tion( |\$)" "a*b*c*d|^a.*b.*c.*d( |\$)"; do
  pattern=${pair%%|*}
  regex=${pair#*|}
  hyperfine -N --output=pipe --warmup 2 --runs 10 -i \
    "$find --list $list $pattern" \
    "grep -i -E '$regex' $list"
done
