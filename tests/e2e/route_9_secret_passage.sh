#!/usr/bin/env bash
# The route, the side step: the secret passage. A strong saved game at level 10 walks from the
# town's gate south through the woods to the ring of standing stones and onto the passage's cell
# (58). The cell opens one time in five and is gone for this visit when it does not, so the
# script tries arrival moments a frame apart until one opens it. In the stage she runs east to
# the line (182), shoots boss 6 down as it leaps about, closes the message of the bag of bombs
# it leaves, and goes out by 60, one column east of the cell on the field.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/route.bash"
copy_game_data
{
  save_head 10 0 1400 2000 2000 2000 2000 250 1000
  printf '\x02\x01\x00'
  printf '\x00\x00\x02\x02\x00\x00\x00\x01\x01\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
} > "$work/game/DATA/SaveData.DAT"

# The field: from (96, 88) one south, three east past the start's sign, nine south to the woods,
# one west onto the path and ten south down it to the stones' cell (98, 108), after `wait` ms.
field_walk() {
  walk 7000 "Down 1" "Right 3" "Down 9" "Left 1"
  walk $((walked + $1)) "Down 10"
}
stage='"frame":{"mode":1,"map":"02","origin":[115,101]'
for ((wait = 0; wait <= 800; wait += 40)); do
  walk_in="$town_to_field$(field_walk $wait)"$'\n'
  printf '%s' "$walk_in" > "$work/input.txt"
  run_game 14000
  [ -n "$(time_of "$stage")" ] && break
done
staged=$(time_of "$stage")
[ -n "$staged" ] || fail "the stones' cell never opened the passage"

# The line is column 134: the view's origin 127. Boss 6 is beaten when its cry sounds.
fell_mark='"sound":"liche5.wav"'
shoot=15000
stage_fight_run "$walk_in" $((staged + 500)) 127 12000 taps
grep -qF "$(music_open Dragflit.mid)" "$log" || fail "no passage music"
[ -n "$(time_of '"sound":"ChakiB@22.wav"' "$fell")" ] || fail "no message of the bag of bombs typed"
out=$(time_of '"frame":{"mode":0,"map":"01","origin":[92,103]' "$fell")
[ -n "$out" ] || fail "did not come out one column east of the cell, at (99, 108)"
echo "route 9: passage opened after waiting $wait ms, at $staged ms; boss line at $line ms, boss at $boss ms, beaten at $fell ms, out at $out ms"
