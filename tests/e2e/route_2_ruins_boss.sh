#!/usr/bin/env bash
# The route, step 2: the ruins and their master. A saved game (strong enough that the script
# needs no dodging: STR 500, DEX and INT 250, the plain shot) continues in the town, walks out
# of the east gate, north on the field to the ruins' stairs, and runs the stage hopping and
# shooting until the boss line. There it stands and shoots until boss 0 falls (300 experience),
# then runs on to the way out (37), back on the field at (97, 81).
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
copy_game_data

{
  printf '\x00\x00\x03\x00\x00\x00\xc8\x00'   # Reserved, PlayerLevel 3, PlayerExp 0, NextExp 200
  printf '\x00\x00\xfa\x43\x00\x00\xfa\x43'   # PlayerHp 500, PlayerMp 500
  printf '\x00\x00\xfa\x43\x00\x00'           # PlayerMaxMp 500, Jumping 0
  printf '\x00\x00\xfa\x43\x00\x00\x7a\x43'   # PlayerStr 500, PlayerDex 250
  printf '\x00\x00\x7a\x43'                   # PlayerInt 250
  printf '\x07\x00\x05\x00\x00\x00\x00\x00'   # PlayerX, PlayerY, AnimStep, Facing
  printf '\x01\x00\x00'                       # SelectCode, WeaponX 0, WeaponC 0
  printf '\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
} > "$work/game/DATA/SaveData.DAT"

# A key held for 40 x n ms walks n frames; four frames cross a tile. The town: from (9, 24)
# one tile west, six south to (8, 30), eighteen east through the gate (39). The field: from
# (96, 88) one tile east and eight north onto the stairs (36).
to_the_ruins='300 down C
400 up C
2000 down Left
2160 up Left
2300 down Down
3260 up Down
3400 down Right
6400 up Right
7000 down Right
7160 up Right
7300 down Up
8580 up Up
'
# In the stage: run right, holding the jump and the shot, until `stop`; then stand and shoot.
stage_script() {
  printf '%s' "$to_the_ruins"
  printf '9500 down Right\n9500 down Z\n9500 down X\n%s up Right\n%s up Z\n' "$1" "$1"
  printf '%s up X\n%s down Right\n%s up Right\n' "$2" "$2" $(($2 + 6000))
}
# First run: where does she cross the boss line (column 74, view origin 67)?
stage_script 40000 40000 > "$work/input.txt"
run_game 30000
staged=$(time_of '"mode":1,"map":"02","origin":[4,12]')
[ -n "$staged" ] || fail "never reached the ruins"
line=$(awk "$line_time"'index($0, "\"frame\":{\"mode\":1") && match($0, /"origin":\[[0-9]+/) {
  x = substr($0, RSTART + 10, RLENGTH - 10) + 0; if (x >= 67) { print t($0); exit } }' "$log")
[ -n "$line" ] || fail "never reached the boss line"

# The real run: let go of Right and the jump just past the line, shoot for 20 seconds, then
# walk out.
stage_script $((line + 200)) $((line + 20000)) > "$work/input.txt"
run_game $((line + 30000)) --shot $((line + 3000)):"$shots/route_boss0.png"
boss=$(time_of '"bosses":1' "$line")
[ -n "$boss" ] || fail "boss 0 never came"
# Boss 0's defeat frees its slot with the death sound (enemies die with the same sound, so the
# slot tells them apart).
fell=$(time_of '"bosses":0' "$boss")
[ -n "$fell" ] || fail "boss 0 never fell"
[ "$(count_of '"sound":"gazer4.wav"')" -gt 0 ] || fail "no death sound"
# Level 3 needs 200 to the next level: the boss's 300 lift her to level 4 at once.
frame=$(frame_after "$((fell + 200))")
echo "$frame" | grep -qE '"level":[4-9]' || fail "no level gained from boss 0: $frame"
out=$(time_of '"frame":{"mode":0,"map":"01","origin":[90,76]' "$fell")
[ -n "$out" ] || fail "did not come out of the ruins at (97, 81)"
echo "route 2: ruins at $staged ms, boss line at $line ms, boss at $boss ms, fell at $fell ms, out at $out ms"
