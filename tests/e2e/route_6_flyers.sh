#!/usr/bin/env bash
# The route, step 8: beyond the mountains, the two flyers. A strong saved game starts on the
# pass into the stage (40, placed under the continue point, as the field's pass lies beyond the
# mountains), runs west over both flyers' lines (180, 181) onto the high meadow, and hops there
# shooting west until both have fallen; then on west to the way out (41) at (75, 58).
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/route.bash"
copy_game_data
start_on_code 40
write_strong_save '\x00\x00\x02\x02\x00\x00\x00\x01\x01\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  '\x02\x01\x00'
boost_for_long_fights

# Both lines are crossed once the view's origin is 43 (column 50). The flyers sweep high over
# the meadow: her shots reach them from the top of her hops.
run=Left
after="Left Z"
shoot=120000
aim=Z
stage_fight_run $'300 down C\n400 up C\n' 1500 43 8000
staged=$(time_of '"mode":1,"map":"02","origin":[61,66]')
[ -n "$staged" ] || fail "never reached the stage beyond the mountains"
[ "$(time_of '"bosses":2' "$boss")" ] || fail "the second flyer never came"
[ "$(count_of '"sound":"dragon5.wav"')" -ge 2 ] || fail "not both flyers fell"
out=$(time_of '"frame":{"mode":0,"map":"01","origin":[68,53]' "$fell")
[ -n "$out" ] || fail "did not come out at (75, 58)"
echo "route 6: stage at $staged ms, flyers from $boss ms, both down at $fell ms, out at $out ms"
