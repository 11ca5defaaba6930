#!/usr/bin/env bash
# The real window on a virtual X display: it opens centred at twice the play screen, shows the
# game's frames, takes key presses sent from outside, records them as an input script that the
# headless game replays, repaints when resized, and closes cleanly. Without a display the
# program says to use --headless.
# Arguments: the korvela program and the build folder.
set -euo pipefail
korvela=$(realpath "$1")
build=$(realpath "$2")

fail() {
  echo "FAIL: $*" >&2
  [ -f "${tmp:-}/game.txt" ] && sed 's/^/  game: /' "$tmp/game.txt" >&2
  exit 1
}
source "$(dirname "$0")/lib/xvfb.bash"
tmp=$(mktemp -d)
window_test_setup "$tmp" od dd
# A settings file and data folder of its own: the window remembers its size on exit, and must
# neither read nor change the player's.
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"

# --- Without a display: one clear line that names --headless, exit status 1.
set +e
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
  timeout 20 "$korvela" 2>&1)
status=$?
set -e
[ "$status" -eq 1 ] || fail "without a display the exit status is $status, not 1: $out"
grep -q -- "--headless" <<<"$out" || fail "the error does not name --headless: $out"
[ "$(wc -l <<<"$out")" -eq 1 ] || fail "more than one line without a display: $out"

# --- A virtual display with a white background, its screen readable as a file.
start_xvfb "$tmp"
screen="$tmp/Xvfb_screen0"

# The screen file is an XWD picture: a header, a colour map, then rows of 32-bit pixels.
header_word() { od -An -t u4 --endian=big -j "$1" -N 4 "$screen" | tr -d ' '; }
pixels_start=$(($(header_word 0) + $(header_word 76) * 12))
row_bytes=$(header_word 48)
# Prints the pixels (hex, 00RRGGBB) of every 8th row of the box X Y W H, one per line.
box_pixels() {
  local x=$1 y=$2 w=$3 h=$4 row
  for ((row = y; row < y + h; row += 8)); do
    dd if="$screen" iflag=skip_bytes,count_bytes status=none bs=65536 \
      skip=$((pixels_start + row * row_bytes + x * 4)) count=$((w * 4)) |
      od -An -v -t x4 -w4
  done | sed 's/^ *\(..\)/00/'
}
# How many of the box's sampled pixels are of one colour (00RRGGBB), in percent.
colour_percent() {
  local colour=$1
  shift
  box_pixels "$@" | awk -v c="$colour" '{ n++ } $1 == c { k++ } END { print int(100 * k / n) }'
}
# ... the white of the background.
white_percent() { colour_percent 00ffffff "$@"; }

# The game's data copied, so that nothing it writes lands in the build folder.
mkdir -p "$tmp/game"
[ -d "$build/DATA" ] || fail "no DATA folder in $build (the maps are not built)"
cp -r "$build/DATA" "$tmp/game/DATA"
rm -f "$tmp/game/DATA/SaveData.DAT"
if [ -d "$build/Sound" ]; then cp -r "$build/Sound" "$tmp/game/Sound"; fi
# A saved game at the start of the story, so that C goes straight to play (a new game would
# first run its half-minute opening).
source "$(dirname "$0")/lib/save_data.bash"
write_start_save "$tmp/game/DATA/SaveData.DAT"
cd "$tmp"

# --- The game in its window, recording keys. The pointer rests in the middle of the screen,
# where the window opens, so the keys go to it (there is no window manager to give focus).
xdotool mousemove 640 512
SDL_AUDIODRIVER=dummy setsid "$korvela" --data "$tmp/game" --record "$tmp/keys.txt" \
  >"$tmp/game.txt" 2>&1 &
game=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game" | head -1) ||
  fail "no window appeared"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH x $HEIGHT" = "960 x 768" ] || fail "the window is $WIDTH x $HEIGHT, not 960 x 768"
[ "$X,$Y" = "160,128" ] || fail "the window is at $X,$Y, not centred at 160,128"

sleep 1
[ "$(white_percent 0 0 1280 100)" -eq 100 ] || fail "cannot read the screen"
painted=$((100 - $(white_percent "$X" "$Y" "$WIDTH" "$HEIGHT")))
[ "$painted" -ge 50 ] || fail "only $painted% of the window shows the game"
colours=$(box_pixels "$X" "$Y" "$WIDTH" "$HEIGHT" | sort -u | wc -l)
echo "title: $painted% of the window painted, $colours colours"
[ "$colours" -ge 2 ] || fail "the window shows one flat colour, not the title"
title=$(box_pixels "$X" "$Y" "$WIDTH" "$HEIGHT" | md5sum)

# Keys from outside. C continues the saved game: the picture changes.
xdotool key c
sleep 1.5
[ "$(box_pixels "$X" "$Y" "$WIDTH" "$HEIGHT" | md5sum)" != "$title" ] ||
  fail "the picture did not change after C"
# Right held long enough for the desktop's key repeat, then Escape ends the game.
xdotool keydown Right
sleep 0.8
xdotool keyup Right
sleep 0.2
xdotool key Escape
sleep 0.5
kill -0 "$game" 2>/dev/null || fail "the game ended by itself"

# A bigger window keeps the picture at a whole multiple, with bars painted around it. (Moved
# to the corner, so that all of it is on the screen.)
xdotool windowmove "$window" 0 0 windowsize "$window" 1200 1000
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH x $HEIGHT" = "1200 x 1000" ] || fail "the window did not resize: $WIDTH x $HEIGHT"
painted=$((100 - $(white_percent "$X" "$Y" "$WIDTH" "$HEIGHT")))
[ "$painted" -ge 50 ] || fail "only $painted% of the resized window is painted"
# Twice the play screen is 960 x 768, centred: bars of 120 at the sides, 116 above and below.
for bar in "$X $Y 120 1000" "$((X + 1080)) $Y 120 1000" "$X $Y 1200 116" "$X $((Y + 884)) 1200 116"; do
  # shellcheck disable=SC2086 # the bar's box is four words
  [ "$(colour_percent 00000000 $bar)" -eq 100 ] || fail "the bar at $bar is not all black"
done
[ "$(colour_percent 00000000 $((X + 120)) $((Y + 116)) 960 768)" -lt 50 ] ||
  fail "the picture between the bars is black"

# Closing: the desktop's request to end (SDL hands it to the game as a close) ends the
# program at its next frame, with status 0.
close_game 5

# The record: the seed and the save the game started from, C, one press and one release of
# Right (key repeat is not a press), then Escape, then the close, each at the game's moment.
record=$(cat "$tmp/keys.txt")
[ "$(head -n 1 <<<"$record")" = "format moments" ] || fail "the record has no format line"
grep -q '^seed [0-9]*$' <<<"$record" || fail "the record holds no seed"
grep -q '^save [0-9a-f]\{132\}$' <<<"$record" || fail "the record holds no starting save"
echo "$record" | sed 's/^/  record: /'
grep -q ' down C$' <<<"$record" && grep -q ' up C$' <<<"$record" || fail "C not recorded"
[ "$(grep -c ' down Right$' <<<"$record")" -eq 1 ] || fail "Right pressed other than once"
down=$(awk '$2 == "down" && $3 == "Right" { print $1 }' <<<"$record")
up=$(awk '$2 == "up" && $3 == "Right" { print $1 }' <<<"$record")
# Held for 0.8 s: across frames, each of which asks for the keys a dozen times or more.
[ -n "$up" ] && [ $((up - down)) -ge 20 ] || fail "Right held from moment $down to ${up:-never}"
grep -q ' down Escape$' <<<"$record" || fail "Escape not recorded"
grep -q ' up Escape$' <<<"$record" || fail "Escape's release not recorded"
[ "$(tail -1 <<<"$record" | cut -d' ' -f2)" = quit ] || fail "the close is not recorded last"

# ... and it replays headless.
timeout 120 "$korvela" --headless --data "$tmp/game" --input "$tmp/keys.txt" \
  --log "$tmp/replay.jsonl" >"$tmp/replay.txt" 2>&1 ||
  fail "the headless replay failed: $(cat "$tmp/replay.txt")"
grep -q '"frame"' "$tmp/replay.jsonl" || fail "the replay did not continue the game as C did"
# --- Without a graphics card (as here: OpenGL on this display runs on the processor) the
# window is painted by a plain copy loop, not through emulated OpenGL, which cost a tenth of a
# core. A silent game on the field must take well under that.
SDL_AUDIODRIVER=dummy setsid "$korvela" --data "$tmp/game" --soundfont "$tmp/none.sf2" \
  >"$tmp/game.txt" 2>&1 &
game=$!
timeout 20 xdotool search --sync --onlyvisible --pid "$game" >/dev/null || fail "no window appeared"
xdotool key c
sleep 1
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game/stat"; }
start=$(cpu_ticks)
sleep 5
used=$(($(cpu_ticks) - start))
percent=$(awk -v t="$used" -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.1f", 100 * t / hz / 5 }')
echo "painting: $percent% of one core in the town, silent"
# A busy loop takes a whole core; the limit leaves room for a loaded machine (and the sanitizer
# build, which runs several times slower, may set its own).
limit=${KORVELA_CPU_LIMIT:-15}
awk -v p="$percent" -v l="$limit" 'BEGIN { exit !(p < l) }' ||
  fail "the silent game takes $percent% of a core (at most $limit%)"
kill -TERM "$game"
wait "$game" || fail "the second game ended with status $?"
game=""

# --- A fatal error (no maps where --data points) shows its message on a page of its own in the
# window, in the game's own face, and waits; a key closes it, with status 1.
SDL_AUDIODRIVER=dummy setsid "$korvela" --data "$tmp/nowhere" >"$tmp/game.txt" 2>&1 &
game=$!
timeout 20 xdotool search --sync --onlyvisible --pid "$game" >/dev/null || fail "no window appeared"
# Space starts a new game, whose first map is missing. On a loaded machine the title may not
# take the first press; another follows only when no error came of the last within 4 s.
for _ in 1 2 3 4; do
  sleep 1
  xdotool key space
  for _ in $(seq 40); do grep -q nowhere "$tmp/game.txt" && break 2; sleep 0.1; done
done
grep -q "nowhere/DATA/MAP(01).PRO" "$tmp/game.txt" || fail "no error on stderr"
sleep 1
kill -0 "$game" 2>/dev/null || fail "the game ended without waiting on its error page"
page=$(colour_percent 00182848 160 128 960 768)
echo "error page: $page% of the window is the page's background"
[ "$page" -ge 70 ] && [ "$page" -lt 100 ] || fail "the window does not show the error page"
xdotool key Escape
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
set +e
wait "$game"
status=$?
set -e
game=""
[ "$status" -eq 1 ] || fail "the error page ended with status $status, not 1"
echo "real window: all checks passed"
