#!/bin/bash
# The Windows installer under Wine: a silent install puts the programs, the
# list, the help file and the licences into Program Files; the Start-menu
# shortcut, opened from elsewhere, starts the program in that folder (else it
# would find no list and show its error box); a silent uninstall leaves no
# file, shortcut or registry key of ours behind.
# Usage: installer_test.sh Lexiquarium-VERSION-win64.exe (with WINEPREFIX set)
set -euo pipefail

installer=$(realpath "$1")
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

wine "$installer" /S >"$failure_log" 2>&1 </dev/null || fail "the installer failed"
for file in lexiquarium.exe lexiquarium-find.exe LexiquariumWords.txt LexiquariumCommon.txt Lexiquarium.chm \
  LICENSE.txt word-list-README.txt Uninstall.exe "$menu/Lexiquarium.lnk"; do
  [ -f "$folder/$file" ] || [ -f "$file" ] || fail "$file was not installed"
done
our_keys >"$work/keys"
grep -q -i 'Uninstall\\Lexiquarium' "$work/keys" || fail "no entry in the installed programs"
echo "1. the silent install put every file and the shortcut in place"

# Opened from elsewhere, as Explorer would; start.exe returns at once.
(cd "$work" && exec wine start /unix "$menu/Lexiquarium.lnk") >"$failure_log" 2>&1 </dev/null
dialog=$(window_named Lexiquarium 60) || fail "the shortcut did not open the dialog"
pid=$(xdotool getwindowpid "$dialog")
xdotool windowfocus --sync "$dialog" key Escape
during_30s kill -0 "$pid" 2>/dev/null || fail "Esc did not end the program"
pid=""
echo "2. the shortcut started the program in its folder; Esc closed it"

wine "$folder/Uninstall.exe" /S >"$failure_log" 2>&1 </dev/null || fail "the uninstaller failed"
# The uninstaller runs on from a copy of itself, to be able to delete itself.
during_30s test -e "$folder" -o -e "$menu" || fail "the uninstall left $(ls "$folder" "$menu")"
our_keys >"$work/keys"
diff "$work/keys-before" "$work/keys" >&2 || fail "the uninstall left these registry keys"
echo "3. the silent uninstall left no file, shortcut or registry key"
