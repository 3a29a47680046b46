#!/bin/bash
# Takes docs/screenshot-windows-console.png: lexiquarium-find.exe run in a real
# Wine console (a US Windows's code pages: ANSI 1252, OEM 437) on the bundled
# list, whose accented letters and no-break spaces must show as they are.
# Needs wine, fonts-wine, xvfb, xdotool and imagemagick.
# Usage: docs/take-console-screenshot.sh BUILD-DIR   (after `cmake --build --preset windows`)
set -euo pipefail

build=$(realpath "$1")
out=$(realpath "$(dirname "$0")")/screenshot-windows-console.png
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

# The tool beside the list, as in the zip, so that the prompt shows a short command.
cp "$build/cli/lexiquarium-find.exe" "$WINEPREFIX/drive_c/"
cp "$build/run/LexiquariumWords.txt" "$WINEPREFIX/drive_c/"
cd "$WINEPREFIX/drive_c"
wine wineconsole cmd /k "lexiquarium-find.exe caf*" >/dev/null 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name 'cmd.exe' | head -n 1)
sleep 3
import -window "$window" "$out"
echo "$out"
