#!/bin/bash
# Takes docs/screenshot.png: the dialog after a real search on the bundled list,
# under a virtual X server. Needs xvfb, xdotool, imagemagick and x11-utils, and
# openbox for the window's title bar (without it the frame is missing).
# Usage: docs/take-screenshot.sh BUILD-DIR   (after building; uses BUILD-DIR/run)
set -euo pipefail

build=$(realpath "$1")
out=$(realpath "$(dirname "$0")")/screenshot.png
if [ "${2:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$build" --inside-x
fi

if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  sleep 1
fi
cd "$build/run"
"$build/ui/qt/lexiquarium" &
pid=$!
trap 'kill $pid' EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lexiquarium$' | head -n 1)
sleep 0.5
xdotool windowfocus --sync "$window"
xdotool type --delay 40 fone
xdotool key Return Tab
xdotool type --delay 10 pho  # jumps to the first line starting with "pho"
xdotool key Down
xdotool mousemove 2000 2000
sleep 0.5

# The frame around the window, title bar included.
frame=$(xwininfo -id "$(xdotool getactivewindow)" -frame)
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$frame")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$frame")
w=$(awk '/Width:/ {print $2}' <<<"$frame")
h=$(awk '/Height:/ {print $2}' <<<"$frame")
title=$(xprop -id "$(xdotool getactivewindow)" _NET_FRAME_EXTENTS 2>/dev/null |
  sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)/\1 \2 \3 \4/p')
if [ -n "$title" ]; then
  read -r left right top bottom <<<"$title"
else
  left=0 right=0 top=0 bottom=0
fi
import -window root -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" \
  +repage "$out"
echo "wrote $out"
