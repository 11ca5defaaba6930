#!/usr/bin/env bash
# The route, step 9: the deep dungeon and the ancient dragon's egg. A strong saved game (the
# earlier bosses beaten) walks from the town's gate north-west to the dungeon's stairs (51) at the
# foot of the ridge, runs the dungeon to its guardian (176, boss 0 again) and shoots it down,
# picks up the egg (its message typed out and closed with Space) and leaves by 44 into the land
# beyond the mountains at (54, 34), the way to the high place.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/route.bash"
copy_game_data
write_strong_save '\x00\x00\x02\x02\x00\x00\x00\x01\x01\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'

# The field, from (96, 88): up the clearing past the ruins, the path north-west, the dungeon's
# clearing, and west onto the stairs at (68, 58).
walk 7000 "Right 1" "Up 7" "Left 1" "Up 1" "Left 2" "Up 1" "Left 1" "Up 1" "Left 1" "Up 1" \
  "Left 1" "Up 7" "Left 12" "Up 12" "Left 11" > "$work/field.txt"
field=$(cat "$work/field.txt")
# The guardian's line is column 56: the view's origin 49.
stage_fight_run "$town_to_field$field"$'\n' $((walked + 1500)) 49 20000 taps
staged=$(time_of '"mode":1,"map":"02","origin":[3,116]')
[ -n "$staged" ] || fail "never went down into the dungeon"
clicks=$(awk -v from="$fell" "$line_time"'
  index($0, "\"sound\":\"ChakiB@22.wav\"") && t($0) >= from { n++ } END { print n + 0 }' "$log")
[ "$clicks" -ge 10 ] || fail "no message typed after the guardian ($clicks clicks): no egg"
out=$(time_of '"frame":{"mode":0,"map":"01","origin":[47,29]' "$fell")
[ -n "$out" ] || fail "did not come out beyond the mountains at (54, 34)"
echo "route 4: dungeon at $staged ms, guardian at $boss ms, fell at $fell ms, $clicks clicks, out at $out ms"
