#!/bin/sh
# Builds everything with warnings as errors and runs every test, then runs the
# core's tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

cmake --preset ci
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs" --target core_tests lexiquarium-find
ctest --preset sanitize -L core -j "$jobs"
