#!/bin/bash
# Takes docs/screenshot-windows.png: the Windows program's dialog after a real
# search on the bundled list, under Wine on a virtual X server, in a Wine prefix
# of its own that draws its windows' frames itself, with Wine's own fonts.
# Needs wine, fonts-wine, xvfb, xdotool and imagemagick.
# Usage: docs/take-windows-screenshot.sh BUILD-DIR   (after `cmake --build --preset windows`)
set -euo pipefail

build=$(realpath "$1")
out=$(realpath "$(dirname "$0")")/screenshot-windows.png
if [ "${2:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$build" --inside-x
fi

WINEPREFIX=$(mktemp -d)/prefix
export WINEPREFIX WINEDEBUG=-all
trap 'wineserver -k 2>/dev/null || true; rm -rf "$(dirname "$WINEPREFIX")"' EXIT
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
wineserver -w

cd "$build/run"
# The line of "phone" among the answers to "fone", to select it.
wine "$build/cli/lexiquarium-find.exe" fone >"$WINEPREFIX/fone.txt" 2>&1
line=$(grep -a -n -m1 '^phone ' "$WINEPREFIX/fone.txt" | cut -d: -f1)

wine "$build/ui/win32/lexiquarium.exe" >/dev/null 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Lexiquarium$' | head -n 1)
sleep 1
xdotool mousemove --window "$window" 100 10 click 1
xdotool type --delay 40 fone
xdotool key Return Tab Home
for _ in $(seq $((line - 1))); do xdotool key Down; done
xdotool mousemove 790 590
sleep 0.5
import -window "$window" "$out"
echo "wrote $out"
