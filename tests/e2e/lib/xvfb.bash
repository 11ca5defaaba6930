# A virtual X display for the real-window tests. Source it after defining fail.
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
