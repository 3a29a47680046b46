#!/bin/bash
# Takes the README's screenshots of the Qt dialog after a real search for "fone"
# on the bundled list, under a virtual X server: docs/screenshot.png (by sound,
# "phone" selected) and docs/screenshot-closest-first.png (the mode turned on by
# Alt+L, its first line selected). Needs xvfb, xdotool, imagemagick and
# x11-utils, and openbox for the window's title bar (without it the frame is
# missing). The user's own settings play no part: each run starts with none.
# Usage: docs/take-screenshot.sh BUILD-DIR   (after building; uses BUILD-DIR/run)
set -euo pipefail

build=$(realpath "$1")
docs=$(realpath "$(dirname "$0")")
if [ "${2:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$build" --inside-x
fi

XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
pid=""
trap '[ -z "$pid" ] || kill $pid; rm -rf "$XDG_CONFIG_HOME"' EXIT
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  sleep 1
fi
cd "$build/run"

# shoot OUT KEYS JUMP: starts the program, types "fone", presses KEYS (if any)
# and Enter, enters the list, types JUMP (if any: the list then jumps to the
# first line that starts with it), selects a line with Down and takes the window
# with its frame into OUT; then ends the program.
shoot() {
  "$build/ui/qt/lexiquarium" &
  pid=$!
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lexiquarium$' | head -n 1)
  sleep 0.5
  xdotool windowfocus --sync "$window"
  xdotool type --delay 40 fone
  if [ -n "$2" ]; then
    xdotool key "$2"
    sleep 0.5  # a mnemonic clicks a moment later
  fi
  xdotool key Return Tab
  [ -z "$3" ] || xdotool type --delay 10 "$3"
  xdotool key Down
  xdotool mousemove 2000 2000
  sleep 0.5

  local frame x y w h extents left right top bottom
  frame=$(xwininfo -id "$window" -frame)
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$frame")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$frame")
  w=$(awk '/Width:/ {print $2}' <<<"$frame")
  h=$(awk '/Height:/ {print $2}' <<<"$frame")
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null |
    sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)/\1 \2 \3 \4/p')
  if [ -n "$extents" ]; then
    read -r left right top bottom <<<"$extents"
  else
    left=0 right=0 top=0 bottom=0
  fi
  import -window root -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" \
    +repage "$1"
  echo "wrote $1"
  xdotool key Escape
  wait "$pid" || true
  pid=""
}

shoot "$docs/screenshot.png" "" pho
shoot "$docs/screenshot-closest-first.png" alt+l ""
