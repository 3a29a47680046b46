#!/bin/bash
# The Windows program under Wine on a virtual X server, driven with real keys:
#   1. a sound query typed in capitals, Enter, a line chosen, Alt+C: the X
#      clipboard holds "phone"; F1 opens the help file in Wine's help viewer;
#      Esc ends the program with status 0;
#   2. without a word list: the error box, no dialog, and status 1.
# Usage: win32_e2e.sh lexiquarium.exe Lexiquarium.chm   (with WINEPREFIX set)
set -euo pipefail

program=$(realpath "$1")
help=$(realpath "$2")
. "$(dirname "$0")/../e2e/x_session.sh"
# No offer to download the HTML engine for the help viewer.
export WINEDEBUG=-all WINEDLLOVERRIDES=mshtml=d
trap 'cleanup; wineserver -k 2>/dev/null || true' EXIT
failure_log="$work/wine.log"

start_in() {
  (cd "$1" && exec wine "$program") >"$failure_log" 2>&1 </dev/null &
  pid=$!
}

echo "1. sound query, Alt+C, F1, Esc"
mkdir "$work/words"
printf '%s\r\n' 'fan n. a device that moves air' 'cat n. a small animal' \
  'phone n. electronic equipment' 'phony adj. fake' >"$work/words/LexiquariumWords.txt"
# Wine's _spawnlp finds no program in C:\windows, where its hh.exe lives,
# but it looks in the current folder first.
cp "$help" "$WINEPREFIX/drive_c/windows/hh.exe" "$work/words/"
start_in "$work/words"
dialog=$(window_named Lexiquarium 60) || fail "the dialog did not appear"
xdotool windowfocus --sync "$dialog" type --delay 40 'FONE'
xdotool key Return Tab Home Down alt+c
for _ in $(seq 50); do
  [ "$(xclip -o -selection clipboard 2>/dev/null)" = phone ] && break
  sleep 0.1
done
[ "$(xclip -o -selection clipboard)" = phone ] || fail "the clipboard does not hold 'phone'"
xdotool key F1
window_named 'Lexiquarium Help' 30 >/dev/null || fail "F1 did not open the help file"
# Wine takes the dialog back into the foreground from a click, not from focus.
xdotool mousemove --window "$dialog" 100 10 click 1 sleep 0.5 key Escape
wait_for_exit
[ "$status" = 0 ] || fail "Esc ended the program with status $status"

echo "2. no word list: the error box, no dialog, status 1"
mkdir "$work/empty"
start_in "$work/empty"
box=$(window_named 'Lexiquarium Error' 60) || fail "no error box appeared"
if xdotool search --onlyvisible --name '^Lexiquarium$' >/dev/null; then
  fail "the dialog appeared although the word list is missing"
fi
xdotool windowfocus --sync "$box" key Return
wait_for_exit
[ "$status" = 1 ] || fail "the program exited with status $status, not 1"
echo "2 passed, 0 failed"
