#!/bin/sh
# Runs clang-tidy with the checks of .clang-tidy, warnings as errors, over the
# product code (base/ wordlist/ match/ ui/ cli/) as a Linux build compiles it,
# from that build's compile_commands.json (default: build-ci, which the test
# command builds first), or as the web build (build-web) compiles it, with
# emscripten's system headers (clang alone takes emscripten's -msse2, which
# only em++ turns into WebAssembly's vector instructions, for an unused flag). The Windows front end, ui/win32/, is not
# compiled on Linux and so is not checked.
# Usage: tools/tidy.sh [BUILD-DIRECTORY]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build-ci}
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy: $build/compile_commands.json is missing: configure that build first" >&2
  exit 1
fi
jobs=$(nproc 2>/dev/null || echo 2)
if grep -q 'em++' "$build/compile_commands.json"; then
  sysroot=/usr/share/emscripten/cache/sysroot
  run-clang-tidy -quiet -p "$build" -j "$jobs" -extra-arg=--target=wasm32-unknown-emscripten \
    -extra-arg=--sysroot=$sysroot -extra-arg=-isystem$sysroot/include/c++/v1 \
    -extra-arg=-D__EMSCRIPTEN__ -extra-arg=-Wno-unused-command-line-argument \
    "^$PWD/ui/web/.*\.cpp\$"
else
  run-clang-tidy -quiet -p "$build" -j "$jobs" "^$PWD/(base|wordlist|match|ui|cli)/.*\.cpp\$"
fi
