#!/usr/bin/env bash
# A session in the real window replays exactly on the headless game. On a virtual X display,
# xdotool plays it: continue the saved game, walk, save, give up, continue again, walk, close.
# The window records the keys (--record) and writes the game's log (--log); the headless replay
# of the record must show the same frames (map, view, the heroine's cells and numbers), the
# same captions and sounds and write the same save. Each step waits for what the window's log
# shows, never for a set time, so a loaded machine only makes the test slower.
# Arguments: the korvela program and the build folder.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
source "$(dirname "$0")/lib/xvfb.bash"
window_test_setup "$work"
# A home of its own: the player's settings and saves are neither read nor written.
mkdir -p "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"

# The saved game at the start of the story, in a town whose every plain cell is a save point,
# so that wherever the walk ends Space saves. The replay gets a copy of the same folder.
copy_game_data
write_start_save "$work/game/DATA/SaveData.DAT"
LC_ALL=C tr '\000' '\061' <"$build/DATA/03_LAYER2.DAT" >"$work/game/DATA/03_LAYER2.DAT"
cp -r "$work/game" "$work/replay"

start_xvfb "$work"
# No window manager gives focus: the keys go to the window under the pointer, where it opens.
xdotool mousemove 640 512
SDL_AUDIODRIVER=dummy setsid "$bin" --data "$work/game" --record "$work/keys.txt" --log "$log" \
  >"$work/stderr.txt" 2>&1 &
game=$!
timeout 30 xdotool search --sync --onlyvisible --pid "$game" >/dev/null || fail "no window appeared"

# wait_for TEXT [N]: waits until at least N (default 1) lines of the window's log hold the text.
wait_for() {
  for _ in $(seq 600); do
    [ -f "$log" ] && [ "$(count_of "$1")" -ge "${2:-1}" ] && return
    kill -0 "$game" 2>/dev/null || fail "the game ended while waiting for $1"
    sleep 0.1
  done
  fail "waited a minute for ${2:-1} lines with $1 (saw $(count_of "$1"))"
}
# frames_more N: waits until N more frames have been played.
frames_more() { wait_for '"frame"' $(($(count_of '"frame"') + $1)); }
# press KEY TEXT: taps the key until one more line of the log holds the text. A tap may come
# while the game does not listen (a message still being typed); then it is tapped again. (On
# the field the game forgets every key once a frame, so there keys are held instead.)
press() {
  local want=$(($(count_of "$2") + 1))
  for _ in $(seq 10); do
    xdotool key "$1"
    for _ in $(seq 50); do
      [ "$(count_of "$2")" -ge "$want" ] && return
      kill -0 "$game" 2>/dev/null || fail "the game ended while waiting for $2"
      sleep 0.1
    done
  done
  fail "$1 never led to $2"
}
# hold KEY N: holds the key for N frames. hold_until KEY TEXT: until one more line holds TEXT.
hold() {
  xdotool keydown "$1"
  frames_more "$2"
  xdotool keyup "$1"
}
hold_until() {
  local want=$(($(count_of "$2") + 1))
  xdotool keydown "$1"
  wait_for "$2" "$want"
  xdotool keyup "$1"
}

# The title's music opens after it has forgotten keys pressed earlier: C now continues.
wait_for 'Stones2.mid'
press c '"frame"'
frames_more 5
hold Up 6
hold Right 5
frames_more 3
hold_until space '"file":'
# The message "saved" waits for Space; then the game goes on, and Escape gives up.
press space '"frame"'
frames_more 3
hold_until Escape '"caption":"KORVELA"'
wait_for 'Stones2.mid' 2
press c '"frame"'
frames_more 5
hold Left 7
frames_more 3
close_game 20
echo "window: $(count_of '"frame"') frames, $(grep -c ' down ' "$work/keys.txt") key presses"

# The replay, from a copy of the folder as it was before the session.
(cd "$work" && "$bin" --headless --data "$work/replay" --input "$work/keys.txt" \
  --log "$work/replay.jsonl" 2>"$work/replay_stderr.txt") ||
  fail "the replay failed: $(cat "$work/replay_stderr.txt")"
# The music differs and is left out: its one-second timer follows each game's own clock. So do
# the times of the lines.
alike() {
  grep -v '"music":' "$1" | sed -e 's/^{"t":[0-9]*,/{/' -e "s|$work/[a-z]*/|DIR/|g"
}
diff <(alike "$log") <(alike "$work/replay.jsonl") >"$work/diff.txt" ||
  fail "the replay parts from the window: $(head -n 6 "$work/diff.txt")"
cmp -s "$work/game/DATA/SaveData.DAT" "$work/replay/DATA/SaveData.DAT" ||
  fail "the replay saved another game than the window"
# The session did what it was meant to, so that the comparison means something.
[ "$(count_of '"file":')" -ge 1 ] || fail "the window did not save"
[ "$(count_of '"caption":"KORVELA  LV=')" -ge 2 ] || fail "the game was not continued twice"
echo "replay: $(alike "$log" | wc -l) lines of frames, captions, sounds and files, identical"
