#!/bin/bash
# Takes docs/screenshot-windows.png: the Windows program's dialog after a real
# search on the bundled list, a long line selected by keyboard and shown whole
# in its tooltip, under Wine on a virtual X server, in a Wine prefix of its own
# that draws its windows' frames itself, with Wine's own fonts; then
# docs/screenshot-windows-closest-first.png: the same search with "Closest
# first" chosen, its system menu open beside the results; then
# docs/screenshot-windows-console.png: lexiquarium-find.exe in a real console
# (a US Windows's code pages: ANSI 1252, OEM 437), whose accented letters and
# no-break spaces must show as they are.
# Needs wine, fonts-wine, xvfb, xdotool and imagemagick.
# Usage: docs/take-windows-screenshot.sh BUILD-DIR   (after `cmake --build --preset windows`)
# With LEXI_DPI set (144, say), Windows draws at that DPI, on a screen as much
# larger, and the pictures go to the folder LEXI_SHOTS (the same names).
set -euo pipefail

build=$(realpath "$1")
docs=$(realpath "$(dirname "$0")")
dpi=${LEXI_DPI:-96}
shots=$(realpath "${LEXI_SHOTS:-$docs}")
out=$shots/screenshot-windows.png
screen_width=$((800 * dpi / 96)) screen_height=$((600 * dpi / 96))
if [ "${2:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 ${screen_width}x${screen_height}x24" "$0" "$build" --inside-x
fi

WINEPREFIX=$(mktemp -d)/prefix
export WINEPREFIX WINEDEBUG=-all
trap 'wineserver -k 2>/dev/null || true; rm -rf "$(dirname "$WINEPREFIX")"' EXIT
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
wineserver -w

cd "$build/run"
# The line of "phone" among the answers to "fone", to select it.
wine "$build/cli/lexiquarium-find.exe" fone >"$WINEPREFIX/fone.txt" 2>&1
line=$(grep -a -n -m1 '^phone ' "$WINEPREFIX/fone.txt" | cut -d: -f1)

# Starts the program and focuses its dialog, $window.
start() {
  wine "$build/ui/win32/lexiquarium.exe" >/dev/null 2>&1 &
  pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Lexiquarium$' | head -n 1)
  sleep 1
  xdotool mousemove --window "$window" 100 10 click 1
}

# Takes the dialog and the small windows of its own beside it (a menu, a
# tooltip), each a window with no name, into $1.
shoot() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  left=$X top=$Y right=$((X + WIDTH)) bottom=$((Y + HEIGHT))
  for popup in $(xdotool search --onlyvisible --name '^$'); do
    eval "$(xdotool getwindowgeometry --shell "$popup")"
    [ "$WIDTH" -lt "$screen_width" ] || continue  # the root window
    left=$((X < left ? X : left)) top=$((Y < top ? Y : top))
    right=$((X + WIDTH > right ? X + WIDTH : right))
    bottom=$((Y + HEIGHT > bottom ? Y + HEIGHT : bottom))
  done
  import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$1"
  echo "wrote $1"
}

start
xdotool type --delay 40 fone
xdotool key Return Tab Home
for _ in $(seq $((line - 1))); do xdotool key Down; done
xdotool mousemove $((screen_width - 10)) $((screen_height - 10))
sleep 0.5
shoot "$out"

# A fresh prefix starts with the mode off: Alt+Space, L turns it on. The system
# menu opens where the caption is right-clicked, so that it hides the buttons,
# not the results; no line is selected, so that no tooltip hides them either.
xdotool key Escape
wait "$pid"
start
xdotool key alt+space l
xdotool type --delay 40 fone
xdotool key Return Tab
xdotool mousemove --window "$window" 290 10 sleep 0.3 mousedown 3 sleep 0.3 mouseup 3
sleep 1
shoot "$shots/screenshot-windows-closest-first.png"

# The first Escape closes the system menu, the second the dialog.
xdotool key Escape sleep 0.3 key Escape
wait "$pid"
# The tool beside the list, as in the zip, so that the prompt shows a short command.
cp "$build/cli/lexiquarium-find.exe" LexiquariumWords.txt "$WINEPREFIX/drive_c/"
cd "$WINEPREFIX/drive_c"
wine wineconsole cmd /k "lexiquarium-find.exe caf*" >/dev/null 2>&1 &
console=$(timeout 60 xdotool search --sync --onlyvisible --name 'cmd.exe' | head -n 1)
sleep 3
import -window "$console" "$shots/screenshot-windows-console.png"
echo "wrote $shots/screenshot-windows-console.png"
