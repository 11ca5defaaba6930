#!/usr/bin/env bash
# The route, step 10: the high place, the master and the gate home. A strong saved game holding
# the egg continues onto the high place's stairs (52, placed under the continue point, as the
# field's own stairs stand beyond the mountains), runs west to the master's line (183) on the
# ledge over his hollow, hears his speech, shoots him down as he runs below, hears his last
# words, and walks down into the hollow through the gate (185) he opens: the ending, then the
# title again.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/route.bash"
copy_game_data
start_on_code 52
# The elder's lesson learnt (flag 7), so the second shot (2 points) is on X.
write_strong_save '\x00\x00\x02\x02\x00\x00\x00\x01\x01\x00\x01\x01\x00\x01\x00\x00\x00\x00\x00\x00\x00' \
  '\x02\x01\x00'
# The master runs by only now and then.
boost_for_long_fights

# The master's line is column 228: the view's origin 221. From the ledge her shots meet him each
# time he runs by below; a minute is enough. After him, west on foot (no jumps, so she stands on
# the gate's row when she meets it).
run=Left
after=Left
shoot=60000
stage_fight_run $'300 down C\n400 up C\n' 1500 221 8000 taps
# The ending's pages wait for Space: tap on through them, and stop during the staff roll, so
# that the title comes back and waits.
end_taps=$((line + shoot + 8000))
for ((t = end_taps; t < end_taps + 55000; t += 700)); do
  printf '%s down Space\n%s up Space\n' "$t" $((t + 60))
done >> "$work/input.txt"
run_game $((line + 200000))
boss=$(time_of '"bosses":1' "$line")
staged=$(time_of '"mode":1,"map":"02","origin":[235,12]')
[ -n "$staged" ] || fail "never reached the high place"
grep -qF "$(music_open Combat1.mid)" "$log" || fail "the master's music never started"
gate=$(time_of '"sound":"gatetrvl.wav"' "$boss")
[ -n "$gate" ] || fail "the gate never opened"
title=$(time_of "$(music_open Stones2.mid)" "$gate")
[ -n "$title" ] || fail "no ending back to the title after the gate"
# The title came through the ending, not through her death.
scream=$(time_of '"sound":"scream.wav"' "$gate")
[ -z "$scream" ] || [ "$scream" -gt "$title" ] || fail "she died at $scream ms instead of going home"
echo "route 5: high place at $staged ms, master at $boss ms, fell at $fell ms, gate at $gate ms, title at $title ms"
