#!/usr/bin/env bash
# The window remembered across runs of the real program, on SDL's display-less driver (one
# 1024 x 768 display): it opens from settings.ini fitted to the displays there are, writes its
# size, place and fullscreen back on exit without touching the player's other lines, and a
# scale given on the command line beats the remembered size.
# Arguments: the korvela program and the build folder.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
settings="$XDG_CONFIG_HOME/korvela/settings.ini"
mkdir -p "$(dirname "$settings")"

# run_window [options...]: starts the window, lets it open, and closes it as a desktop would
# (SDL turns SIGTERM into a close request).
run_window() {
  (cd "$work" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    exec "$bin" --data "$build" "$@" > "$work/stderr.txt" 2>&1) &
  local game=$!
  sleep 1.5
  kill -TERM "$game"
  set +e
  wait "$game"
  local status=$?
  set -e
  [ "$status" -eq 0 ] || fail "the window ended with status $status"
}
window_lines() { grep -E '^(fullscreen|width|height|x|y|display) = ' "$settings" | tr '\n' ' '; }

cat > "$settings" <<'INI'
; my own note
[window]
width = 5000
height = 600
x = 10
y = 20
display = 3
fullscreen = true
[sound]
music_volume = 40
this line is broken
INI
run_window
# Display 3 is gone: centred on the only one, cut to its width; still fullscreen.
[ "$(window_lines)" = "width = 1024 height = 600 x = 0 y = 84 display = 0 fullscreen = true " ] ||
  fail "remembered: $(window_lines)"
grep -q '^; my own note$' "$settings" && grep -q '^music_volume = 40$' "$settings" &&
  grep -q '^this line is broken$' "$settings" || fail "the player's lines were not kept: $(cat "$settings")"

run_window --scale 1 --no-fullscreen
[ "$(window_lines)" = "width = 480 height = 384 x = 0 y = 84 display = 0 fullscreen = false " ] ||
  fail "after --scale 1: $(window_lines)"
echo "window remembered: ok"
