#!/bin/sh
# Checks that every C++ file is formatted as .clang-format says; builds
# everything with warnings as errors and runs every test, then clang-tidy over
# the product code (tools/tidy.sh); cross-builds the Windows programs and
# packages and runs their tests under Wine; then builds and runs every test
# again under AddressSanitizer and UndefinedBehaviorSanitizer, and the core and
# dialog logic tests under ThreadSanitizer; builds the web page with emscripten
# and runs the core's tests under Node and the page's in chromium; then fuzzes
# each fuzz target for a minute (LEXI_FUZZ_SECONDS).
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

find . \( -path './build*' -o -path ./.git \) -prune -o \
  \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print |
  xargs clang-format --dry-run --Werror

cmake --preset ci
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"
tools/tidy.sh build-ci

cmake --preset windows
cmake --build --preset windows -j "$jobs"
ctest --preset windows

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
LSAN_OPTIONS="suppressions=$PWD/tests/ui/qt/lsan-qt.supp:print_suppressions=0" \
  ctest --preset sanitize -j "$jobs"

cmake --preset tsan
cmake --build --preset tsan -j "$jobs"
TSAN_OPTIONS="halt_on_error=1" ctest --preset tsan -j "$jobs"

cmake --preset web
cmake --build --preset web -j "$jobs"
tools/tidy.sh build-web
ctest --preset web

tools/fuzz.sh "${LEXI_FUZZ_SECONDS:-60}"
