# A virtual X display for the real-window tests. Source it after defining fail.

# window_test_setup DIR [TOOL...]: fails unless Xvfb, xdotool and the tools are installed; on
# exit kills the game (the process group $game) and Xvfb ($xvfb) and removes DIR.
window_test_setup() {
  window_dir=$1
  shift
  game="" xvfb=""
  trap window_test_cleanup EXIT
  for tool in Xvfb xdotool "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
  done
}
window_test_cleanup() {
  [ -n "$game" ] && kill -KILL -- "-$game" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$window_dir"
}

# close_game SECONDS: asks the game ($game) to close as the desktop does and fails unless it
# ends within that time with status 0.
close_game() {
  kill -TERM "$game"
  for _ in $(seq $(($1 * 10))); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game" 2>/dev/null && fail "the game did not end within $1 seconds of the close"
  local status=0
  wait "$game" || status=$?
  game=""
  [ "$status" -eq 0 ] || fail "the game ended with status $status"
}

# start_xvfb DIR: starts Xvfb (1280 x 1024, white background, its screen readable as the XWD
# file DIR/Xvfb_screen0), sets DISPLAY, and sets xvfb to the server's process id for the cleanup.
start_xvfb() {
  local dir=$1
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -wr -fbdir "$dir" -nolisten tcp \
    3>"$dir/display" 2>"$dir/xvfb.txt" &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
  [ -s "$dir/display" ] || fail "Xvfb did not start: $(cat "$dir/xvfb.txt")"
  export DISPLAY=":$(cat "$dir/display")"
}
