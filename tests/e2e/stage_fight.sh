#!/usr/bin/env bash
# A fight end to end: a continued game whose town has the ruins' stairs (code 36) under the inn's
# arrival cell (9, 24) goes straight into the ruins (stage map "02" seen from (4, 12), the heroine
# on cell (11, 18)), where a walker's trigger (162) on that cell starts a walker. She holds X with
# the strong shot selected until the walker falls; the caption then shows its 30 experience.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
copy_game_data

poke "$work/game/DATA/03_LAYER2.DAT" 128 9 24 36
poke "$work/game/DATA/02_LAYER2.DAT" 256 11 18 162

# Level 1, MP 100 of 100, DEX 250 (a shot every third frame), the strong shot on X.
{
  printf '\x00\x00\x01\x00\x00\x00\x64\x00'   # Reserved, PlayerLevel, PlayerExp, NextExp
  printf '\x00\x00\x48\x42\x00\x00\xc8\x42'   # PlayerHp 50, PlayerMp 100
  printf '\x00\x00\xc8\x42\x00\x00'           # PlayerMaxMp 100, Jumping 0
  printf '\x00\x00\x48\x42\x00\x00\x7a\x43'   # PlayerStr 50, PlayerDex 250
  printf '\x00\x00\x48\x42'                   # PlayerInt 50
  printf '\x07\x00\x05\x00\x00\x00\x00\x00'   # PlayerX, PlayerY, AnimStep, Facing
  printf '\x02\x01\x00'                       # SelectCode, WeaponX 1, WeaponC 0
  printf '\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
} > "$work/game/DATA/SaveData.DAT"

cat > "$work/input.txt" <<'SCRIPT'
300 down C
400 up C
2000 down X
9000 up X
SCRIPT
run_game 10000 --shot 3200:"$shots/fight.png"

staged=$(time_of '"mode":1,"map":"02"')
[ -n "$staged" ] || fail "never reached the stage"
spawned=$(time_of '"enemies":1' "$staged")
[ -n "$spawned" ] || fail "the trigger started no enemy"
shot=$(time_of '"sound":"shot.wav"' "$spawned")
[ -n "$shot" ] || fail "no shot fired"
fell=$(time_of '"sound":"gazer4.wav"' "$shot")
[ -n "$fell" ] || fail "the walker never fell"
hits=$(awk -v from="$shot" -v to="$fell" "$line_time"'
  index($0, "\"sound\":\"dragon_asian_atk.wav\"") && t($0) >= from && t($0) <= to { n++ }
  END { print n + 0 }' "$log")
[ "$hits" -eq 4 ] || fail "the walker (8 HP) took $hits hits of 2 before it fell"
caption=$(time_of '"caption":"KORVELA  LV=1  STR=50  DEX=250  INT=50  EXP/Next=30/100"' "$fell")
[ "$caption" = "$fell" ] || fail "the caption did not show 30 experience when it fell ($caption)"
frame=$(frame_after "$((fell + 1))")
echo "$frame" | grep -qF '"enemies":0' || fail "the walker is still there: $frame"
echo "fight: stage at $staged ms, walker at $spawned ms, first shot $shot ms, fell at $fell ms"
