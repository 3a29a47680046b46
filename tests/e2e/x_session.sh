# Sourced by the end-to-end scripts: it runs the calling script again under a
# virtual X server, and gives it a scratch directory ($work), the started
# program's process ($pid), and fail, window_named and wait_for_exit.
# After a failure, the file named by $failure_log (if any) is shown too.

if [ "${LEXI_INSIDE_X:-}" != 1 ]; then
  LEXI_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
pid=""
failure_log=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -n "$failure_log" ] && [ -f "$failure_log" ]; then cat "$failure_log" >&2; fi
  exit 1
}

# Waits up to $2 seconds (default 20) for a visible window whose title is
# exactly $1 and prints its id.
window_named() {
  timeout "${2:-20}" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# Waits up to $1 seconds (default 30) for the program to end and sets $status to
# its exit status. It runs in this shell, not in $(...): only the shell that
# started the program can wait for it.
wait_for_exit() {
  for _ in $(seq $((${1:-30} * 10))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end within ${1:-30} s"
  status=0
  wait "$pid" || status=$?
  pid=""
}

# Waits up to 5 s for the clipboard to hold $1.
expect_clipboard() {
  local clip=""
  for _ in $(seq 50); do
    clip=$(xclip -o -selection clipboard 2>/dev/null || true)
    [ "$clip" = "$1" ] && return
    sleep 0.1
  done
  fail "the clipboard holds '$clip', not '$1'"
}
