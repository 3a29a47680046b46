#!/bin/sh
# Speed figures of the desktop program under a virtual X server, each beside its
# goal:
#   - what the word list adds to start-up: whole runs of the program until its
#     dialog is painted (startup_bench, hyperfine, in one run) on the bundled list
#     and on a generated one of 1,000,000 lines, less the same on an empty list;
#   - a find of every line until painted, and typical queries (gui_bench).
# Usage: bench/gui/run.sh [BUILD_DIR]   (default: build, from `cmake --preset default`)
set -eu
cd "$(dirname "$0")/../.."
build=${1:-build}
list="$build/bench/list-1000000.txt"
dirs="$build/bench/startup"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
# Settings of the run's own: a user's "Closest first" would make the sound
# queries measure the near search instead.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME

[ -s "$list" ] || python3 bench/make_list.py 1000000 >"$list"
mkdir -p "$dirs/empty" "$dirs/bundled" "$dirs/1m"
: >"$dirs/empty/LexiquariumWords.txt"
cp data/LexiquariumWords.txt "$dirs/bundled/LexiquariumWords.txt"
cp "$list" "$dirs/1m/LexiquariumWords.txt"
echo "Machine: $(nproc) cores; load average $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 minutes)"

startup="$build/bench/gui/startup_bench"
json="$build/bench/startup.json"
xvfb-run -a -s "-screen 0 1024x768x24" hyperfine -N --warmup 3 --runs 20 --export-json "$json" \
  "$startup $dirs/empty" "$startup $dirs/bundled" "$startup $dirs/1m" >/dev/null
python3 bench/report.py diff "$json" "Start-up until the dialog is painted (hyperfine, mean of 20)" \
  "bundled list (120,939 lines)=25" "1,000,000 lines=120"

xvfb-run -a -s "-screen 0 1024x768x24" "$build/bench/gui/gui_bench" data/LexiquariumWords.txt "$list"
