#!/bin/bash
# The Windows program under Wine on a virtual X server, driven with real keys:
#   1. FONE typed, Enter, a line chosen, Alt+C: the X clipboard holds "phone";
#      F1 opens the help file in the help viewer of the Windows folder, whose
#      contents and index name each section of its page and lead to it; Esc
#      ends with status 0;
#   2. (without a word list, the program's box and status: dialog_test.cpp);
#   3. the query tool, in a folder named with characters of no ANSI code page,
#      opens lists of any name, names them exactly in its messages, reads the
#      list beside it from a folder of none; it takes its arguments as
#      characters, turned into the list's encoding (one the list cannot hold
#      is refused, never a look-alike), shows the lines and messages in a
#      console as they are, and prints the lines to a file as UTF-8, or with
#      --bytes as they are, each ended by LF alone; /? prints its help; its
#      version record is the project's, as is the dialog program's;
#   4. Alt+Space, L chooses "Closest first": the registry keeps it, and at the
#      next start PHONY lists "phony" first.
# Usage: win32_e2e.sh lexiquarium.exe Lexiquarium.chm lexiquarium-find.exe console_reader.exe
#        (with WINEPREFIX set)
set -euo pipefail

program=$(realpath "$1")
help=$(realpath "$2")
find=$(realpath "$3")
reader=$(realpath "$4")
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
# Nothing beside the list but the help file: Help finds the viewer itself.
cp "$help" "$work/words/"
start_in "$work/words"
dialog=$(window_named Lexiquarium 60) || fail "the dialog did not appear"
xdotool windowfocus --sync "$dialog" type --delay 40 'FONE'
xdotool key Return Tab Home Down alt+c
expect_clipboard phone
xdotool key F1
viewer=$(window_named 'Lexiquarium Help' 30) || fail "F1 did not open the help file"
7z x -o"$work/chm" "$help" >"$failure_log" || fail "the help file could not be unpacked"
# Each section as its entries name it and point at it.
sections=$(sed -n 's/.*<h2 id="\([^"]*\)">\([^<]*\)<.*/value="\2"><param name="Local" value="Lexiquarium.html#\1"/p' \
  "$work/chm/Lexiquarium.html")
[ "$(wc -l <<<"$sections")" -gt 5 ] || fail "the help page has too few sections: $sections"
for list in hhc hhk; do
  missing=$(grep -vxF -f <(grep -oF "$sections" "$work/chm/Lexiquarium.$list") <<<"$sections" || true)
  [ -z "$missing" ] || fail "the help file's $list lacks these sections: $missing"
done
# The viewer may open over the dialog, which lies in the middle of the screen.
xdotool windowkill "$viewer"
# Wine takes the dialog back into the foreground from a click, not from focus.
xdotool mousemove --window "$dialog" 100 10 click 1 sleep 0.5 key Escape
wait_for_exit
[ "$status" = 0 ] || fail "Esc ended the program with status $status"
echo "1. FONE, Alt+C copied 'phone'; F1 opened the help, whose contents and index lead to each"
echo "   section; Esc gave status 0"

# In a folder whose name the ANSI code page cannot hold, 'ő' nor the emoji
# (outside every code page), with the tool beside its list.
named="$work/Szótár ő 😀"
mkdir "$named"
printf 'caf\xe9 n. coffee\nolive\n' >"$named/latin1.txt"
printf 'caf\xc3\xa9 n. coffee\n' >"$named/utf8.txt"
cp "$work/words/LexiquariumWords.txt" "$find" "$named"
# Where the output goes (a file, or a console whose rows are read back),
# arguments, status, the output as printf's format, a part of the message.
while IFS='|' read -r where args expected out told; do
  eval "set -- $args"
  [ "$where" = file ] && run=("$find") || run=("$reader" screen.txt "$(basename "$find")")
  status=0
  (cd "$named" && LC_ALL=C.UTF-8 exec wine "${run[@]}" "$@") >"$work/found" 2>"$work/told" \
    </dev/null || status=$?
  [ "$where" = file ] || cp "$named/screen.txt" "$work/found"
  # shellcheck disable=SC2059
  printf "$out" | cmp -s - "$work/found" && [ "$status" = "$expected" ] &&
    if [ -n "$told" ]; then grep -qF "$told" "$work/told"; else [ ! -s "$work/told" ]; fi ||
    fail "lexiquarium-find $args: status $status, '$(cat "$work/found" "$work/told")'"
done <<'CASES'
file|'ph*'|0|phone n. equipment\nphony adj. fake\n|
file|--list latin1.txt 'ő*'|2||cannot hold the character 'ő' of the QUERY
file|--list utf8.txt '*é*'|0|caf\303\251 n. coffee\n|
file|--list latin1.txt 'caf*'|0|caf\303\251 n. coffee\n|
file|--bytes --list latin1.txt 'caf*'|0|caf\351 n. coffee\n|
console|--list latin1.txt '*'|0|caf\303\251 n. coffee\nolive\n|
console|--list latin1.txt '*ő'|2|lexiquarium-find: the word list is in the ANSI code page 1252, which cannot hold the character 'ő' of the QUERY\n|
file|--list '../Szótár ő 😀/utf8.txt' 'c*'|0|caf\303\251 n. coffee\n|
CASES
# A missing list is named as it is, the current folder's name included.
(cd "$named" && exec wine "$find" --list missing.txt x) >"$work/found" 2>"$work/told" </dev/null || true
grep -qxF "Error: Cannot open file 'Z:${named//\//\\}\\missing.txt':" "$work/told" ||
  fail "the missing list was named otherwise: $(cat "$work/told")"
# From a folder of no list: the list beside the tool, whatever its folder's name.
(cd "$work/empty" && exec wine "$named/$(basename "$find")" 'ph*') >"$work/found" 2>&1 </dev/null ||
  fail "lexiquarium-find in a folder of no list: $(cat "$work/found")"
[ "$(cat "$work/found")" = $'phone n. equipment\nphony adj. fake' ] ||
  fail "lexiquarium-find did not read the list beside it: $(cat "$work/found")"
wine "$find" --help >"$work/help" 2>&1 </dev/null
wine "$find" '/?' >"$work/found" 2>&1 </dev/null || fail "lexiquarium-find /? failed"
cmp -s "$work/help" "$work/found" || fail "lexiquarium-find /? did not print the help"
wine "$find" --version >"$work/found" 2>&1 </dev/null
version=$(sed 's/.* //' "$work/found")
for exe in "$find" "$program"; do
  strings -el -n 3 "$exe" >"$work/record"
  grep -qx "$(basename "$exe")" "$work/record" && grep -qx "$version" "$work/record" ||
    fail "the version record of $(basename "$exe") does not show $version"
done
echo "3. the query tool: characters in; out as they are in a console, UTF-8 or bytes to a file;"
echo "   files and folders of any name, named as they are; the list beside it; /?; version records"

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
expect_clipboard phony
xdotool key Escape
wait_for_exit
echo "4. Closest first from the system menu was kept; PHONY then listed 'phony' first"
