#!/bin/bash
# The real program under a virtual X server, driven with real keystrokes:
#   1. in a directory with a word list of our own: a sound query typed in
#      capitals, Enter, a line chosen in the list, Alt+C, and the clipboard read
#      back; Esc then ends the program with status 0;
#   2. in a directory without a word list: the error box appears, no dialog
#      does, and once the box is closed the program exits with status 1.
# Usage: desktop_e2e.sh PATH-TO-lexiquarium
set -euo pipefail

program=$(realpath "$1")
. "$(dirname "$0")/x_session.sh"

echo "1. sound query, choose a line, Alt+C"
mkdir "$work/words"
printf '%s\n' 'fan n. a device that moves air' 'cat n. a small animal' \
  'phone n. electronic equipment' 'phony adj. fake' >"$work/words/LexiquariumWords.txt"
(cd "$work/words" && exec "$program") &
pid=$!
dialog=$(window_named Lexiquarium) || fail "the dialog did not appear"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 'FONE'
xdotool key Return
# Into the list: the first Down selects its first line ("fan ..."), the next
# one the line below: "phone n. ...".
xdotool key Tab Down Down alt+c
clip=""
for _ in $(seq 50); do
  clip=$(xclip -o -selection clipboard 2>/dev/null || true)
  [ "$clip" = phone ] && break
  sleep 0.1
done
[ "$clip" = phone ] || fail "the clipboard holds '$clip', not 'phone'"
xdotool key Escape
wait_for_exit
[ "$status" = 0 ] || fail "Esc ended the program with status $status"
echo "   copied '$clip'; Esc ended the program with status 0"

echo "2. no word list: the error box, no dialog, status 1"
mkdir "$work/empty"
(cd "$work/empty" && exec "$program") &
pid=$!
box=$(window_named 'Lexiquarium Error') || fail "no error box appeared"
if xdotool search --onlyvisible --name '^Lexiquarium$' >/dev/null; then
  fail "the dialog appeared although the word list is missing"
fi
kill -0 "$pid" 2>/dev/null || fail "the program ended before the box was closed"
xdotool windowfocus --sync "$box"
xdotool key Return
wait_for_exit
[ "$status" = 1 ] || fail "the program exited with status $status, not 1"
echo "   error box shown and closed; exit status 1"

echo "2 passed, 0 failed"
