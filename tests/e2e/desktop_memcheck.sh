#!/bin/bash
# The desktop program on the bundled word list under valgrind's memcheck, driven
# through a sound search and closed with Esc. It fails on any invalid read or
# write, and on any leak whose allocation passes through our own code; what the
# X, D-Bus and GLib libraries keep for the life of the process is theirs.
# Usage: desktop_memcheck.sh PATH-TO-lexiquarium WORD-LIST
set -euo pipefail

program=$(realpath "$1")
words=$(realpath "$2")
. "$(dirname "$0")/x_session.sh"
failure_log="$work/memcheck.log"

cp "$words" "$work/LexiquariumWords.txt"
(cd "$work" && exec valgrind --log-file="$work/memcheck.log" --leak-check=full \
  --show-leak-kinds=definite,indirect --num-callers=50 "$program") &
pid=$!
dialog=$(window_named Lexiquarium 180) || fail "the dialog did not appear"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 50 'fone'
xdotool key Return
sleep 3
xdotool key Escape
wait_for_exit 60
[ "$status" = 0 ] || fail "the program ended with status $status"

# One record per blank-line-separated block of the log.
ours=$(awk -v RS='==[0-9]+== \n' '
  /Invalid (read|write)|Invalid free|Mismatched free/ { print; next }
  /are (definitely|indirectly) lost/ && /lexi::|\/lexiquarium\)/ { print }
' "$work/memcheck.log")
[ -z "$ours" ] || fail "memcheck found faults of the program's own:
$ours"
echo "memcheck: no invalid access and no leak of the program's own"
grep -E "definitely lost:|ERROR SUMMARY" "$work/memcheck.log" || true
