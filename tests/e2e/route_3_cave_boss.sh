#!/usr/bin/env bash
# The route, step 4: the cave east of the start and its master. A strong saved game (boss 0
# already beaten and the lesson learnt) walks from the town's gate east across the clearing and
# the rocky hills to the cave mouth (34), runs the cave to the boss line, shoots boss 1 down
# (flag 3 comes from it, so the fortune teller can raise the MP) and leaves by 35 onto the hills
# at (121, 95).
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/route.bash"
copy_game_data
write_strong_save '\x00\x00\x02\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'

# The field: from (96, 88) one south, three east, one south past the start's sign to (99, 90),
# seventeen east along the path into the hills, three north, two east, one north into the cave.
walk="$town_to_field"'7000 down Down
7160 up Down
7300 down Right
7780 up Right
7900 down Down
8060 up Down
8200 down Right
10920 up Right
11100 down Up
11580 up Up
11700 down Right
12020 up Right
12200 down Up
12360 up Up
'
# The boss line is column 80: the view's origin 73.
stage_fight_run "$walk" 13500 73 9000
staged=$(time_of '"mode":1,"map":"02","origin":[3,30]')
[ -n "$staged" ] || fail "never entered the cave"
grep -qF "$(music_open dungeon2.mid)" "$log" || fail "no cave music"
grep -qF '"sound":"liche5.wav"' "$log" || fail "boss 1's defeat sound missing"
out=$(time_of '"frame":{"mode":0,"map":"01","origin":[114,90]' "$fell")
[ -n "$out" ] || fail "did not come out of the cave at (121, 95)"
echo "route 3: cave at $staged ms, boss line at $line ms, boss at $boss ms, fell at $fell ms, out at $out ms"
