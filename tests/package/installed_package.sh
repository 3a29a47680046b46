#!/bin/bash
# The Debian package as a user gets it: made by CPack, checked by lintian and the
# AppStream and desktop-entry validators, installed with dpkg, then both programs
# started the way the desktop entry starts them, from its Exec and Path; every
# place that shows the version shows the project's. The machine is left as the
# test found it: the package is removed at the end, pass or fail, and one that
# the test did not install is never replaced (a mark in the build directory
# tells the test's own, left by a run that was killed).
# Usage: installed_package.sh BUILD-DIRECTORY (configured with the /usr prefix) VERSION
set -euo pipefail

build=$(realpath "$1")
version=$2
. "$(dirname "$0")/../e2e/x_session.sh"

mark=$build/installed-by-package-test
present=$(dpkg-query -W -f='${db:Status-Status} ${Version}' lexiquarium 2>/dev/null || true)
case $present in
  '' | not-installed* | config-files*) rm -f "$mark" ;;
  *) [ "$(cat "$mark" 2>/dev/null)" = "${present#* }" ] ||
    fail "lexiquarium ${present#* } is installed, not by this test, and is left alone" \
      "(remove it with 'dpkg -r lexiquarium' to run this test)" ;;
esac
remove_package() {
  [ -f "$mark" ] || return 0
  dpkg -r lexiquarium >"$work/remove.log" 2>&1 && rm -f "$mark" ||
    { cat "$work/remove.log" >&2; echo "FAIL: the package could not be removed" >&2; return 1; }
}
trap 'ended=$?; remove_package || ended=1; cleanup; exit $ended' EXIT

cd "$build"
rm -f lexiquarium_*.deb
cpack -G DEB >"$work/cpack.log" 2>&1 || { failure_log="$work/cpack.log"; fail "cpack failed"; }
deb=$(echo lexiquarium_*.deb)
failure_log="$work/lintian.log"
lintian --fail-on error,warning "$deb" >"$failure_log" 2>&1 || fail "lintian finds errors or warnings"
app=io.github.lexiquarium.Lexiquarium
appstreamcli validate --no-net "res/$app.metainfo.xml" >/dev/null ||
  fail "the AppStream data does not validate"
desktop-file-validate "res/$app.desktop" || fail "the desktop entry does not validate"
echo "1. lintian, AppStream and desktop entry clean"

dpkg-deb -f "$deb" Version >"$mark"
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { failure_log="$work/dpkg.log"; fail "dpkg -i failed"; }
[ "$(man -w lexiquarium-find)" = /usr/share/man/man1/lexiquarium-find.1.gz ] ||
  fail "man does not find our page of lexiquarium-find"
man lexiquarium | grep -q 'desktop word finder' || fail "man lexiquarium shows another page"
entry=/usr/share/applications/$app.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry")
path=$(sed -n 's/^Path=//p' "$entry")
echo "2. installed; the desktop entry runs '$exec_line' in $path"

# Started from a folder of no list, it reads the installed one; on a UTF-8
# terminal the Latin-1 list reads as UTF-8 text.
found=$(cd /tmp && LC_ALL=C.UTF-8 lexiquarium-find 'hap*ss')
expected=$(cd "$path" && lexiquarium-find --bytes 'hap*ss' | iconv -f latin1 -t utf-8)
[ "$found" = "$expected" ] || fail "lexiquarium-find 'hap*ss' in /tmp printed '$found'"
echo "3. lexiquarium-find in /tmp on the installed list, in UTF-8: ${found%%$'\n'*} ..."

(cd "$path" && exec $exec_line) &
pid=$!
dialog=$(window_named Lexiquarium) || fail "the installed program showed no dialog"
xdotool windowfocus --sync "$dialog"
xdotool key Escape
wait_for_exit
[ "$status" = 0 ] || fail "the installed program ended with status $status"
echo "4. the installed program opened its dialog on the installed list and closed"

[ "$(dpkg-query -W -f='${Version}' lexiquarium)" = "$version" ] || fail "the package is not $version"
[ "$(lexiquarium-find --version)" = "lexiquarium-find ${version%.*}" ] || fail "--version differs"
grep -qaF "Lexiquarium Version ${version%.*}" /usr/bin/lexiquarium || fail "the About box differs"
echo "5. the package, --version and the About box show version $version"
echo "5 passed, 0 failed"
