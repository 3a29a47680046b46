#!/bin/sh
# Runs a Windows program under Wine on a virtual X server, in the Wine prefix
# $WINEPREFIX, from the current directory, and exits with its status. Its output
# goes into files, shown afterwards: Wine's services would hold a pipe open for
# minutes. With --new-prefix, makes $WINEPREFIX afresh instead.
# Usage: under_wine.sh PROGRAM [ARGUMENT...] | under_wine.sh --new-prefix
set -eu
: "${WINEPREFIX:?}"
export WINEDEBUG=-all
if [ "$1" = --new-prefix ]; then
  # Only a prefix of our own making is ever removed.
  case "$WINEPREFIX" in */wine-prefix) rm -rf "$WINEPREFIX" ;; esac
  wineboot -i >/dev/null 2>&1
  wineserver -w
  exit 0
fi
out=$(mktemp -d)
status=0
xvfb-run -a -s "-screen 0 1024x768x24" wine "$@" >"$out/out" 2>"$out/err" </dev/null || status=$?
# Whatever the program left running ends with the run.
wineserver -k 2>/dev/null || true
cat "$out/out"
cat "$out/err" >&2
rm -rf "$out"
exit "$status"
