#!/bin/sh
# Builds the libFuzzer targets (the `fuzz` preset, clang) and fuzzes each one for
# SECONDS (default 60), starting from its committed seeds in tests/fuzz/corpus.
# New inputs go to build-fuzz/corpus, so a later run goes on where this one
# stopped and the committed seeds stay as they are. A crash stops the script
# with the failing input saved under build-fuzz/artifacts.
#
#   tools/fuzz.sh         # about a minute per target, as CI runs it
#   tools/fuzz.sh 3600    # an hour per target
set -eu
seconds=${1:-60}
case $seconds in
  '' | *[!0-9]*) echo "usage: tools/fuzz.sh [SECONDS]" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc 2>/dev/null || echo 2)"

mkdir -p build-fuzz/artifacts
for target in load near_search sound_key wild_match; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  # The loader reads a file whole; long inputs give it long lines and many.
  max_len=4096
  [ "$target" = load ] && max_len=140000
  log=build-fuzz/fuzz_$target.log
  echo "== fuzz_$target for ${seconds}s (progress in $log)"
  if ! "build-fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" \
    -dict="tests/fuzz/$target.dict" -artifact_prefix="build-fuzz/artifacts/$target-" \
    -print_final_stats=1 "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 60 "$log"
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || tail -n 5 "$log"
done
