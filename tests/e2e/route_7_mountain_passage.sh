#!/usr/bin/env bash
# The route, step 7: the long passage through the ridge, west to east. A strong saved game
# starts at its west mouth (43, placed under the continue point), runs and hops to the line
# halfway (179), shoots boss 3 down (it stays, still and harmless, where it fell) and goes on
# through it to the east end (44), beyond the mountains at (54, 34).
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/route.bash"
copy_game_data
start_on_code 43
write_strong_save '\x00\x00\x02\x02\x00\x00\x00\x01\x01\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  '\x02\x01\x00'
boost_for_long_fights

# The line is column 118: the view's origin 111. Boss 3 is beaten when its cry sounds.
fell_mark='"sound":"dragon5.wav"'
stage_fight_run $'300 down C\n400 up C\n' 1500 111 40000
staged=$(time_of '"mode":1,"map":"02","origin":[12,85]')
[ -n "$staged" ] || fail "never entered the passage"
out=$(time_of '"frame":{"mode":0,"map":"01","origin":[47,29]' "$fell")
[ -n "$out" ] || fail "did not come out beyond the mountains at (54, 34)"
echo "route 7: passage at $staged ms, boss 3 at $boss ms, beaten at $fell ms, out at $out ms"
