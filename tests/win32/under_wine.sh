#!/bin/sh
# Runs a Windows program under Wine on a virtual X server in $WINEPREFIX and
# exits with its status; its output goes through files, as Wine's services would
# hold a pipe open for minutes. With --new-prefix, makes $WINEPREFIX afresh.
# Usage: under_wine.sh PROGRAM [ARGUMENT...] | under_wine.sh --new-prefix
set -eu
: "${WINEPREFIX:?}"
export WINEDEBUG=-all
if [ "$1" = --new-prefix ]; then
  # Only a prefix of our own making is ever removed.
  case "$WINEPREFIX" in */wine-prefix) rm -rf "$WINEPREFIX" ;; esac
  wineboot -i >/dev/null 2>&1
  exec wineserver -w
fi
out=$(mktemp -d)
status=0
xvfb-run -a -s "-screen 0 1024x768x24" wine "$@" >"$out/out" 2>"$out/err" </dev/null || status=$?
wineserver -k 2>/dev/null || true  # whatever the program left running ends with it
cat "$out/out" "$out/err"
rm -rf "$out"
exit "$status"
