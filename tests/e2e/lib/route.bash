# Helpers for the route scripts: a strong saved game, the walk out of the town, and a stage run
# to a boss line and through the fight. Source it after session.bash.

# A saved game at level 3 strong enough that a script needs no dodging: STR (and HP) 500, DEX
# and INT 250, MP 500, the plain shot on X. Argument: the 21 story flags as \xNN escapes.
write_strong_save() {
  {
    printf '\x00\x00\x03\x00\x00\x00\xc8\x00'   # Reserved, PlayerLevel 3, PlayerExp 0, NextExp 200
    printf '\x00\x00\xfa\x43\x00\x00\xfa\x43'   # PlayerHp 500, PlayerMp 500
    printf '\x00\x00\xfa\x43\x00\x00'           # PlayerMaxMp 500, Jumping 0
    printf '\x00\x00\xfa\x43\x00\x00\x7a\x43'   # PlayerStr 500, PlayerDex 250
    printf '\x00\x00\x7a\x43'                   # PlayerInt 250
    printf '\x07\x00\x05\x00\x00\x00\x00\x00'   # PlayerX, PlayerY, AnimStep, Facing
    printf '\x01\x00\x00'                       # SelectCode, WeaponX 0, WeaponC 0
    printf "$1"
  } > "$work/game/DATA/SaveData.DAT"
}
no_flags='\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'

# Continue, then out of the town: from (9, 24) one tile west, six south to (8, 30), eighteen
# east through the gate (39); she is on the field at (96, 88) by 7000 ms. A key held for
# 40 x n ms walks n frames; four frames cross a tile.
town_to_field='300 down C
400 up C
2000 down Left
2160 up Left
2300 down Down
3260 up Down
3400 down Right
6400 up Right
'

# stage_fight_run WALK ENTER STOP_X AFTER: plays WALK (the script up to the stage), then from
# ENTER ms runs right holding the jump and the shot. A first run finds when the view's origin
# reaches STOP_X (the boss line); the real run lets go of Right and the jump just past it,
# shoots for 20 seconds and walks right for AFTER ms more. Sets `line`, `boss` (the boss's first
# frame) and `fell` (the first frame without it).
stage_fight_run() {
  local walk=$1 enter=$2 stop_x=$3 after=$4
  stage_input() {
    printf '%s' "$walk"
    printf '%s down Right\n%s down Z\n%s down X\n%s up Right\n%s up Z\n' \
      "$enter" "$enter" "$enter" "$1" "$1"
    printf '%s up X\n%s down Right\n%s up Right\n' "$2" "$2" $(($2 + after))
  }
  stage_input 90000 90000 > "$work/input.txt"
  run_game 60000
  line=$(awk -v stop="$stop_x" "$line_time"'index($0, "\"frame\":{\"mode\":1") &&
    match($0, /"origin":\[[0-9]+/) { x = substr($0, RSTART + 10, RLENGTH - 10) + 0
      if (x >= stop) { print t($0); exit } }' "$log")
  [ -n "$line" ] || fail "never reached the boss line (origin $stop_x)"
  stage_input $((line + 200)) $((line + 20000)) > "$work/input.txt"
  run_game $((line + 20000 + after + 2000)) --shot $((line + 3000)):"$shots/route_boss.png"
  boss=$(time_of '"bosses":1' "$line")
  [ -n "$boss" ] || fail "the boss never came"
  fell=$(time_of '"bosses":0' "$boss")
  [ -n "$fell" ] || fail "the boss never fell"
}
