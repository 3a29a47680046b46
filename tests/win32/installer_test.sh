#!/bin/bash
# The Windows installer under Wine: its licence page is plain text, each
# paragraph one line; an install for all users, page by page with the keys,
# ends on a page whose box "Run Lexiquarium", ticked, starts the program in its
# folder; it puts the programs, the list, the help file and the licences into
# Program Files, and its entry of the installed programs has its size, folder
# and flags as the system wants them; the Start-menu shortcut, opened from elsewhere, starts the program in
# that folder (else it would find no list and show its error box); a silent
# uninstall leaves no file, shortcut or registry key of ours behind; and so do
# a silent install and uninstall for the current user alone.
# Usage: installer_test.sh Lexiquarium-VERSION-win64.exe licence-page.txt control_waiter.exe
#        (with WINEPREFIX set)
set -euo pipefail

installer=$(realpath "$1")
licence=$2
waiter=$(realpath "$3")
# shellcheck source-path=SCRIPTDIR source=../e2e/x_session.sh
. "$(dirname "$0")/../e2e/x_session.sh"
# No menu entries on the Linux side, no offer to download the HTML engine.
export WINEDEBUG=-all WINEDLLOVERRIDES='winemenubuilder.exe=d;mshtml=d'
trap 'cleanup; wineserver -k 2>/dev/null || true' EXIT
failure_log="$work/wine.log"
folder="$WINEPREFIX/drive_c/Program Files/Lexiquarium"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Lexiquarium"
# Prints the lines of the registry's software keys that name us.
our_keys() {
  for root in HKLM HKCU; do
    wine reg export "$root\\Software" "$work/reg" /y >/dev/null 2>&1 </dev/null ||
      fail "the registry's $root\\Software could not be read"
    iconv -f UTF-16 -t UTF-8 "$work/reg" | grep -i lexiquarium || true
  done
}
# The test before may have left its Wine server ending: the first call here
# would meet it on its way out.
wineserver -w 2>/dev/null || true
our_keys >"$work/keys-before"
# Waits as long as the command succeeds, up to 30 s; fails if it still does.
during_30s() {
  for _ in $(seq 300); do
    "$@" || return 0
    sleep 0.1
  done
  return 1
}

# Markdown's marks are gone, and a paragraph wrapped by hand is one line again.
! grep -q '^#\|`' "$licence" || fail "the licence page holds Markdown: $(grep '^#\|`' "$licence")"
grep -q '^Permission is hereby granted, .* subject to the following conditions:$' "$licence" &&
  grep -q '^Permission to use, copy, .* for internal use or for distribution\.$' "$licence" ||
  fail "the licence page's paragraphs are not one line each"
echo "1. the licence page is plain text, a paragraph a line"

# Each page's own control shows before Enter goes on: the welcome's Next, the
# licence's I Agree, the choice of users, the folder's Install; and at the end
# the box, ticked.
wine "$installer" >"$failure_log" 2>&1 </dev/null &
setup=$(window_named 'Lexiquarium Setup' 60) || fail "the installer showed no window"
for control in '&Next >' 'I &Agree' 'Install for anyone using this computer' '&Install' \
  'Run Lexiquarium'; do
  wine "$waiter" 'Lexiquarium Setup' "$control" >"$failure_log" 2>&1 </dev/null ||
    fail "the installer showed no '$control', ticked if a box"
  xdotool windowfocus --sync "$setup" key Return
done
dialog=$(window_named Lexiquarium 60) || fail "the last page did not start the program"
pid=$(xdotool getwindowpid "$dialog")
xdotool windowfocus --sync "$dialog" key Escape
during_30s kill -0 "$pid" 2>/dev/null || fail "Esc did not end the program"
for file in lexiquarium.exe lexiquarium-find.exe LexiquariumWords.txt LexiquariumCommon.txt Lexiquarium.chm \
  LICENSE.txt word-list-README.txt Uninstall.exe "$menu/Lexiquarium.lnk"; do
  [ -f "$folder/$file" ] || [ -f "$file" ] || fail "$file was not installed"
done
entry='Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexiquarium'
wine reg query "HKLM\\$entry" >"$work/entry" 2>&1 </dev/null || fail "no entry in the installed programs"
for value in 'EstimatedSize *REG_DWORD *0x[0-9a-f]\{4\}' 'NoModify *REG_DWORD *0x1$' \
  'NoRepair *REG_DWORD *0x1$' 'InstallLocation *REG_SZ *C:\\Program Files\\Lexiquarium$'; do
  tr -d '\r' <"$work/entry" | grep -q "^ *$value" || fail "the entry lacks $value: $(cat "$work/entry")"
done
echo "2. the install for all users, page by page, put every file and the shortcut in place, and its"
echo "   entry; its last page started the program in its folder"

# Opened from elsewhere, as Explorer would; start.exe returns at once.
(cd "$work" && exec wine start /unix "$menu/Lexiquarium.lnk") >"$failure_log" 2>&1 </dev/null
dialog=$(window_named Lexiquarium 60) || fail "the shortcut did not open the dialog"
pid=$(xdotool getwindowpid "$dialog")
xdotool windowfocus --sync "$dialog" key Escape
during_30s kill -0 "$pid" 2>/dev/null || fail "Esc did not end the program"
pid=""
echo "3. the shortcut started the program in its folder; Esc closed it"

wine "$folder/Uninstall.exe" /S /AllUsers >"$failure_log" 2>&1 </dev/null || fail "the uninstaller failed"
# The uninstaller runs on from a copy of itself, to be able to delete itself.
during_30s test -e "$folder" -o -e "$menu" || fail "the uninstall left $(ls "$folder" "$menu")"
our_keys >"$work/keys"
diff "$work/keys-before" "$work/keys" >&2 || fail "the uninstall left these registry keys"
echo "4. the silent uninstall left no file, shortcut or registry key"

wine "$installer" /S /CurrentUser >"$failure_log" 2>&1 </dev/null || fail "the installer failed"
wine reg query "HKCU\\$entry" /v InstallLocation >"$work/entry" 2>&1 </dev/null ||
  fail "no entry of the current user's"
own=$(winepath -u "$(tr -d '\r' <"$work/entry" | sed -n 's/^ *InstallLocation *REG_SZ *//p')")
case $own in "$folder"*) fail "the install for the current user went to $own" ;; esac
[ -f "$own/LexiquariumWords.txt" ] || fail "the install for the current user put no list in $own"
shortcuts() { find "$WINEPREFIX/drive_c/users" -name 'Lexiquarium*.lnk'; }
[ -n "$(shortcuts)" ] || fail "the install for the current user made no shortcut"
wine "$own/Uninstall.exe" /S /CurrentUser >"$failure_log" 2>&1 </dev/null || fail "the uninstaller failed"
during_30s test -e "$own" || fail "the uninstall for the current user left $(ls "$own")"
[ -z "$(shortcuts)" ] || fail "the uninstall for the current user left $(shortcuts)"
our_keys >"$work/keys"
diff "$work/keys-before" "$work/keys" >&2 || fail "the uninstall for the current user left these keys"
echo "5. the silent install and uninstall for the current user, in $own, left nothing"
