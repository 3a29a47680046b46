#!/bin/sh
# Builds everything with warnings as errors and runs every test, then builds and
# runs every test again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then fuzzes each fuzz target for a minute (LEXI_FUZZ_SECONDS).
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

cmake --preset ci
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
LSAN_OPTIONS="suppressions=$PWD/tests/ui/qt/lsan-qt.supp:print_suppressions=0" \
  ctest --preset sanitize -j "$jobs"

tools/fuzz.sh "${LEXI_FUZZ_SECONDS:-60}"
