#!/bin/bash
# The real program under a virtual X server, driven with real keystrokes:
#   1. in a directory with a word list of our own: a sound query typed in
#      capitals, Enter, a line chosen in the list, Alt+C, and the clipboard read
#      back; Esc then ends the program with status 0;
#   2. on the bundled list: "closest first" turned on with Alt+L, "fone",
#      Enter, the first line chosen, Alt+C: "phone" is on the clipboard; the
#      choice is in the settings file;
#   3. in a directory without a word list: the error box appears, no dialog
#      does, and once the box is closed the program exits with status 1.
# The program's settings start empty, in the scratch directory.
# Usage: desktop_e2e.sh PATH-TO-lexiquarium
set -euo pipefail

program=$(realpath "$1")
bundled=$(realpath "$(dirname "$0")/../../data/LexiquariumWords.txt")
. "$(dirname "$0")/x_session.sh"
export XDG_CONFIG_HOME="$work/config"

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
expect_clipboard phone
xdotool key Escape
wait_for_exit
[ "$status" = 0 ] || fail "Esc ended the program with status $status"
echo "   copied 'phone'; Esc ended the program with status 0"

echo "2. closest first by Alt+L on the bundled list: fone, the first line, Alt+C"
mkdir "$work/bundled"
cp "$bundled" "$work/bundled/"
(cd "$work/bundled" && exec "$program") &
pid=$!
dialog=$(window_named Lexiquarium) || fail "the dialog did not appear"
xdotool windowfocus --sync "$dialog"
# Alt+L clicks the check box a moment later, which keeps the choice at once.
# It takes the focus there; Enter there still presses Go, and the find gives the
# focus back to the field.
xdotool type --delay 20 'fone'
xdotool key alt+l
settings="$XDG_CONFIG_HOME/Lexiquarium/Lexiquarium.conf"
for _ in $(seq 50); do
  grep -qsx 'ClosestFirst=true' "$settings" && break
  sleep 0.1
done
grep -qsx 'ClosestFirst=true' "$settings" || fail "Alt+L did not keep the choice in $settings"
xdotool key Return Tab Down alt+c
expect_clipboard phone
xdotool key Escape
wait_for_exit
[ "$status" = 0 ] || fail "Esc ended the program with status $status"
echo "   the choice was kept; copied 'phone' from the first line"

echo "3. no word list: the error box, no dialog, status 1"
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

echo "3 passed, 0 failed"
