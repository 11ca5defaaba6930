#!/usr/bin/env bash
# The route, step 2: the ruins and their master. A strong saved game continues in the town,
# walks out of the east gate, north on the field to the ruins' stairs, and runs the stage hopping
# and shooting until the boss line; there it shoots until boss 0 falls, then runs on to the way
# out (37), back on the field at (97, 81).
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/route.bash"
copy_game_data
write_strong_save "$no_flags"

# The field: from (96, 88) one tile east and eight north onto the stairs (36).
walk="$town_to_field"'7000 down Right
7160 up Right
7300 down Up
8580 up Up
'
# The boss line is column 74: the view's origin 67.
stage_fight_run "$walk" 9500 67 6000
staged=$(time_of '"mode":1,"map":"02","origin":[4,12]')
# Level 3 needs 200 to the next level: the boss's 300 lift her to level 4 at once.
frame=$(frame_after "$((fell + 200))")
echo "$frame" | grep -qE '"level":[4-9]' || fail "no level gained from boss 0: $frame"
out=$(time_of '"frame":{"mode":0,"map":"01","origin":[90,76]' "$fell")
[ -n "$out" ] || fail "did not come out of the ruins at (97, 81)"
echo "route 2: ruins at $staged ms, boss line at $line ms, boss at $boss ms, fell at $fell ms, out at $out ms"
