#!/usr/bin/env bash
# The route, step 6: the cave passage. A strong saved game (bosses 0 and 1 beaten, both lessons
# learnt, no fire yet) starts on its mouth (32, placed under the continue point), runs east over
# the fire's column (63: the pick-up message is closed with Space), hops the low cracked walls to
# the boss line (178), burns boss 2 down as it breaks its way west, and goes on to the way out
# (33) in the north-west woods at (19, 18).
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/route.bash"
copy_game_data
start_on_code 32
# Boss 2 crushes for 300 a frame while it walks over her; a script without dodging stands in it
# and burns it, so this heroine has 8000 HP (the fight costs about 3000). The fire is on C.
{
  save_head 7 0 800 8000 2000 2000 8000 250 1000
  printf '\x02\x01\x02'
  printf '\x00\x00\x02\x02\x00\x00\x00\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
} > "$work/game/DATA/SaveData.DAT"

# The line is column 155: the view's origin 148. She stops there; boss 2 walks in from the right,
# breaking the low walls, and she casts a pillar of fire at every chance while it walks into her,
# until its cry (daemon5.wav) says it is beaten; then she runs east to 33.
passage_input() {  # LINE_MS (90000 for the first run, which only looks for the line)
  local line=$1 t
  printf '300 down C\n400 up C\n1500 down Right\n1500 down Z\n1500 down X\n'
  printf '%s up Right\n%s up Z\n%s up X\n' $((line + 200)) $((line + 200)) $((line + 200))
  # The fire on C: a pillar at every other chance while it walks into and over her.
  for ((t = line + 200; t < line + 20000; t += 120)); do printf '%s down C\n%s up C\n' $t $((t + 40)); done
  printf '%s down Right\n%s down Z\n' $((line + 20200)) $((line + 20200))
  # Space closes the fire's pick-up message on the way.
  for ((t = 1500; t < 20000; t += 700)); do printf '%s down Space\n%s up Space\n' $t $((t + 60)); done
}
passage_input 90000 > "$work/input.txt"
run_game 45000
line=$(awk "$line_time"'index($0, "\"frame\":{\"mode\":1") && index($0, "\"origin\":[148,50]") {
  print t($0); exit }' "$log")
[ -n "$line" ] || fail "never reached the boss line (origin 148)"
passage_input "$line" > "$work/input.txt"
run_game $((line + 45000)) --shot $((line + 3000)):"$shots/route_boss.png"
staged=$(time_of '"mode":1,"map":"02","origin":[2,50]')
[ -n "$staged" ] || fail "never entered the cave passage"
grep -qF "$(music_open Cave01.mid)" "$log" || fail "no cave passage music"
[ "$(time_of '"sound":"ChakiB@22.wav"' "$staged")" -lt "$line" ] 2>/dev/null ||
  fail "no pick-up message typed on the way to the line"
boss=$(time_of '"sound":"daemon1.wav"' "$line")
[ -n "$boss" ] || fail "boss 2 never came"
fell=$(time_of '"sound":"daemon5.wav"' "$boss")
[ -n "$fell" ] || fail "boss 2 never fell"
out=$(time_of '"frame":{"mode":0,"map":"01","origin":[12,13]' "$fell")
[ -n "$out" ] || fail "did not come out in the north-west woods at (19, 18)"
echo "route 8: passage at $staged ms, boss line at $line ms, boss at $boss ms, beaten at $fell ms, out at $out ms"
