#!/bin/sh
# Speed figures of the desktop program under a virtual X server: start-up to the
# dialog painted, a find of every line until painted on the bundled list and on
# a generated list of 1,000,000 lines, and typical queries.
# Usage: bench/gui/run.sh [BUILD_DIR]   (default: build, from `cmake --preset default`)
set -eu
cd "$(dirname "$0")/../.."
build=${1:-build}
list="$build/bench/list-1m.txt"

[ -s "$list" ] || python3 bench/make_list.py 1000000 >"$list"
xvfb-run -a -s "-screen 0 1024x768x24" "$build/bench/gui/gui_bench" data/LexiquariumWords.txt "$list"
