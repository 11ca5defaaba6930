#!/usr/bin/env bash
# Walking from the new game's start into the town and back out, end to end. The field's town
# gate (code 38) is at (95, 88); the heroine starts on (97, 90). In the town she arrives on
# (25, 30) with the way out (39) at (26, 30), which brings her back to (96, 88) on the field.
#
# A held key moves her once in every frame that polls it while it is down, and frames are 40 ms
# apart, so holding a key for 40 x n ms walks exactly n frames (4 frames cross a tile) wherever
# the frames fall.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
copy_game_data
learn_new_game_start

t0=$((first + 1000))
cat > "$work/input.txt" <<SCRIPT
2000 down Space
$release up Space
# up two tiles (8 frames), then left: four frames to (96, 88), the fifth steps onto the gate
$t0 down Up
$((t0 + 320)) up Up
$((t0 + 1000)) down Left
$((t0 + 1200)) up Left
# in the town, one frame to the right finishes her step onto the way out (she arrived with the
# view 24 pixels on, as she left the field)
$((t0 + 3000)) down Right
$((t0 + 3040)) up Right
SCRIPT
run_game $((t0 + 5000)) --shot $((t0 - 500)):"$shots/field_start.png" \
  --shot $((t0 + 2500)):"$shots/town_arrival.png" --shot $((t0 + 4500)):"$shots/field_back.png"

[ "$(time_of '"frame"')" = "$first" ] || fail "the second run started at another time"
frame=$(frame_after "$((t0 + 900))")
echo "$frame" | grep -qF '"mode":0,"map":"01","origin":[90,83],"scroll":[0,0]' ||
  fail "after walking up two tiles she is not at (97, 88): $frame"

town=$(time_of "$(music_open Tavern03.mid)")
[ -n "$town" ] && [ "$town" -gt "$((t0 + 1000))" ] && [ "$town" -lt "$((t0 + 1200))" ] ||
  fail "the town's music at '$town'"
frame=$(frame_after "$town")
echo "$frame" | grep -qF '"mode":2,"map":"03","origin":[18,25],"scroll":[24,0]' ||
  fail "the town's first frame: $frame"
[ "$(time_of '"frame"' "$((town + 1))")" -ge $((town + 500)) ] || fail "no half-second pause"

field=$(time_of "$(music_open Forest_A.mid)" "$((t0 + 3000))")
[ -n "$field" ] && [ "$field" -lt "$((t0 + 3100))" ] || fail "the field's music at '$field'"
frame=$(frame_after "$field")
echo "$frame" | grep -qF '"mode":0,"map":"01","origin":[89,83],"scroll":[0,0]' ||
  fail "back on the field: $frame"
for shot in field_start town_arrival field_back; do
  [ -s "$shots/$shot.png" ] || fail "screenshot $shot.png not written"
done
echo "town and back: into the town at $town ms, out again at $field ms"
