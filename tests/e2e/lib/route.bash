# Helpers for the route scripts: a strong saved game, the walk out of the town, and a stage run
# to a boss line and through the fight. Source it in place of session.bash, which it brings in.

source "$(dirname "${BASH_SOURCE[0]}")/session.bash"

# A saved game at level 3 strong enough that a script needs no dodging: STR (and HP) 500, DEX
# and INT 250, MP 500, the plain shot on X. Arguments: the 21 story flags as \xNN escapes, and
# optionally SelectCode, WeaponX and WeaponC the same way (default the plain shot).
write_strong_save() {
  {
    save_head 3 0 200 500 500 500 500 250 250
    printf "${2:-\\x01\\x00\\x00}"                # SelectCode, WeaponX, WeaponC
    printf "$1"
  } > "$work/game/DATA/SaveData.DAT"
}
# For long fights: STR and HP 2000 to stand the blows, INT 1000 and MP 2000 to keep the shots
# coming.
boost_for_long_fights() {
  local save="$work/game/DATA/SaveData.DAT" at
  for at in 8 12 16 22; do printf '\x00\x00\xfa\x44' | dd of="$save" bs=1 seek=$at conv=notrunc status=none; done
  printf '\x00\x00\x7a\x44' | dd of="$save" bs=1 seek=30 conv=notrunc status=none
}
# Puts a map change under the town's continue point (9, 24), to start a step where a continued
# game cannot walk to (beyond the mountains).
start_on_code() {
  printf "\\x$(printf %02x "$1")" | dd of="$work/game/DATA/03_LAYER2.DAT" bs=1 \
    seek=$((24 * 128 + 9)) conv=notrunc status=none
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

# walk START_MS MOVE...: script lines for moves like "Up 7" (seven tiles up), one after the
# other from START_MS; sets `walked` to the time after the last.
walk() {
  local t=$1 key n
  shift
  for move in "$@"; do
    read -r key n <<< "$move"
    printf '%s down %s\n%s up %s\n' "$t" "$key" $((t + 160 * n)) "$key"
    t=$((t + 160 * n + 120))
  done
  walked=$t
}

# stage_fight_run WALK ENTER STOP_X AFTER [TAPS]: plays WALK (the script up to the stage), then
# from ENTER ms runs the way `run` says (default Right) holding the jump and the shot. A first
# run finds when the view's origin reaches STOP_X (the boss line); the real run lets go of the
# run and the jump just past it, shoots for `shoot` ms (default 20 seconds) and goes on for AFTER ms more with the
# keys of `after` (default: Right and the jump), tapping Space from the line on if TAPS is given
# (for speeches and pick-up messages). Sets `line`, `boss` (the boss's first frame) and `fell`
# (when the log first shows `fell_mark`, by default the first frame without a boss).
run=Right
after="Right Z"
shoot=20000
aim=""  # keys held besides X while shooting
fell_mark='"bosses":0'  # what the log shows when the boss is down
stage_fight_run() {
  local walk=$1 enter=$2 stop_x=$3 rest=$4 taps=${5:-}
  stage_input() {
    printf '%s' "$walk"
    printf '%s down %s\n%s down Z\n%s down X\n%s up %s\n%s up Z\n' \
      "$enter" "$run" "$enter" "$enter" "$1" "$run" "$1"
    printf '%s up X\n' "$2"
    for key in $aim; do printf '%s down %s\n%s up %s\n' "$1" "$key" "$2" "$key"; done
    for key in $after; do printf '%s down %s\n%s up %s\n' "$2" "$key" $(($2 + rest)) "$key"; done
    if [ -n "$taps" ]; then
      for ((t = $1; t < $2 + rest; t += 700)); do printf '%s down Space\n%s up Space\n' "$t" $((t + 60)); done
    fi
  }
  stage_input 90000 90000 > "$work/input.txt"
  run_game 60000
  line=$(awk -v stop="$stop_x" -v sign="$([ "$run" = Left ] && echo -1 || echo 1)" "$line_time"'
    index($0, "\"frame\":{\"mode\":1") && match($0, /"origin":\[[0-9]+/) {
      x = substr($0, RSTART + 10, RLENGTH - 10) + 0
      if ((x - stop) * sign >= 0) { print t($0); exit } }' "$log")
  [ -n "$line" ] || fail "never reached the boss line (origin $stop_x)"
  stage_input $((line + 200)) $((line + shoot)) > "$work/input.txt"
  run_game $((line + shoot + rest + 2000)) --shot $((line + 3000)):"$shots/route_boss.png"
  boss=$(time_of '"bosses":1' "$line")
  [ -n "$boss" ] || fail "the boss never came"
  fell=$(time_of "$fell_mark" "$boss")
  [ -n "$fell" ] || fail "the boss never fell"
}
