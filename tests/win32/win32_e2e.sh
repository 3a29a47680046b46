#!/bin/bash
# The Windows program under Wine on a virtual X server, driven with real keys:
#   1. FONE typed, Enter, a line chosen, Alt+C: the X clipboard holds "phone";
#      F1 opens the help file in Wine's help viewer; Esc ends with status 0;
#   2. without a word list: the error box, no dialog, and status 1;
#   3. the query tool prints the lines byte for byte, each ended by LF alone;
#   4. Alt+Space, L chooses "Closest first": the registry keeps it, and at the
#      next start PHONY lists "phony" first.
# Usage: win32_e2e.sh lexiquarium.exe Lexiquarium.chm lexiquarium-find.exe   (with WINEPREFIX set)
set -euo pipefail

program=$(realpath "$1")
help=$(realpath "$2")
find=$(realpath "$3")
. "$(dirname "$0")/../e2e/x_session.sh"
# No offer to download the HTML engine for the help viewer.
export WINEDEBUG=-all WINEDLLOVERRIDES=mshtml=d
trap 'cleanup; wineserver -k 2>/dev/null || true' EXIT
failure_log="$work/wine.log"
settings='HKCU\Software\Lexiquarium'
# Every start but the fourth case's second finds the mode off.
wine reg delete "$settings" /f >"$work/reg" 2>&1 || true
start_in() {
  (cd "$1" && exec wine "$program") >"$failure_log" 2>&1 </dev/null &
  pid=$!
}

mkdir "$work/words" "$work/empty"
printf '%s\r\n' 'fan n. a device' 'cat n. an animal' 'phone n. equipment' 'phony adj. fake' \
  >"$work/words/LexiquariumWords.txt"
# Wine's _spawnlp finds nothing in C:\windows, where its hh.exe lives, but it
# looks in the current folder first.
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
echo "1. FONE, Alt+C copied 'phone'; F1 opened the help; Esc gave status 0"

start_in "$work/empty"
box=$(window_named 'Lexiquarium Error' 60) || fail "no error box appeared"
xdotool search --onlyvisible --name '^Lexiquarium$' >/dev/null && fail "a dialog without a list"
xdotool windowfocus --sync "$box" key Return
wait_for_exit
[ "$status" = 1 ] || fail "the program exited with status $status, not 1"
echo "2. no word list: the error box, no dialog, status 1"

(cd "$work/words" && exec wine "$find" 'ph*') >"$work/found" 2>&1 </dev/null
printf 'phone n. equipment\nphony adj. fake\n' | cmp - "$work/found" || fail "not the lines as they are"
echo "3. the query tool wrote the lines byte for byte"

start_in "$work/words"
dialog=$(window_named Lexiquarium 60) || fail "the dialog did not appear"
xdotool windowfocus --sync "$dialog" key alt+space l Escape
wait_for_exit
wine reg query "$settings" /v ClosestFirst >"$work/reg" 2>&1 || true
grep -q 'ClosestFirst *REG_DWORD *0x1' "$work/reg" || fail "the choice was not kept: $(cat "$work/reg")"
start_in "$work/words"
dialog=$(window_named Lexiquarium 60) || fail "the dialog did not appear again"
xdotool windowfocus --sync "$dialog" type --delay 40 'PHONY'
xdotool key Return Tab Home alt+c
for _ in $(seq 50); do
  [ "$(xclip -o -selection clipboard 2>/dev/null)" = phony ] && break
  sleep 0.1
done
[ "$(xclip -o -selection clipboard)" = phony ] || fail "PHONY did not list 'phony' first"
xdotool key Escape
wait_for_exit
echo "4. Closest first from the system menu was kept; PHONY then listed 'phony' first"
