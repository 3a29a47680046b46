#!/bin/sh
# Speed figures of the Windows program under Wine on a virtual X server:
# start-up to the dialog painted, a find of every line until painted on the
# bundled list and on a generated list of 1,000,000 lines, and typical queries.
# Usage: bench/win32/run.sh [BUILD_DIR]   (default: build-windows, from `cmake --preset windows`)
set -eu
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build-windows}")
list="$build/bench/list-1m.txt"

[ -s "$list" ] || python3 bench/make_list.py 1000000 >"$list"
export WINEPREFIX="$build/wine-prefix"
[ -d "$WINEPREFIX" ] || tests/win32/under_wine.sh --new-prefix
cd data
../tests/win32/under_wine.sh "$build/bench/win32/win32_bench.exe" LexiquariumWords.txt "$list"
