#!/usr/bin/env bash
# A lesson in the town end to end: a continued game with the ruins' boss beaten (flag 2 = 1)
# walks from the inn to the elder, presses Space facing him, and hears his lesson typed with
# its voice; the lesson sets flag 7, the next frame turns flag 2 into the second shot, and the
# save crystal writes both into the save file.
#
# Today's town: she arrives on (9, 24) in the inn; its door is (8, 25..27), the road row 29,
# the elder's house door (20, 25), the elder on (20, 20), the save point (11, 21).
# A key held for 40 x n ms walks n frames; 4 frames cross a tile.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
copy_game_data

# Level 1 with new-game numbers, flag 2 = 1.
{
  printf '\x00\x00\x01\x00\x00\x00\x64\x00'   # Reserved, PlayerLevel, PlayerExp, NextExp
  printf '\x00\x00\x48\x42\x00\x00\x48\x42'   # PlayerHp 50, PlayerMp 50
  printf '\x00\x00\x48\x42\x00\x00'           # PlayerMaxMp 50, Jumping 0
  printf '\x00\x00\x48\x42\x00\x00\x48\x42'   # PlayerStr 50, PlayerDex 50
  printf '\x00\x00\x48\x42'                   # PlayerInt 50
  printf '\x07\x00\x05\x00\x00\x00\x00\x00'   # PlayerX, PlayerY, AnimStep, Facing
  printf '\x01\x00\x00'                       # SelectCode, WeaponX, WeaponC
  printf '\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
} > "$work/game/DATA/SaveData.DAT"

cat > "$work/input.txt" <<'SCRIPT'
300 down C
400 up C
# out of the inn: left to (8, 24), down its door to the road (8, 29)
2000 down Left
2160 up Left
2500 down Down
3300 up Down
# east along the road to (20, 29), north through the elder's door to (20, 21), facing him
3500 down Right
5420 up Right
5800 down Up
7080 up Up
# Space: the lesson; then one press for each of its two page waits (a held Space would
# repeat the search)
7500 down Space
7550 up Space
9500 down Space
9550 up Space
11000 down Space
11050 up Space
# back: south to the road, west to the inn's door, up into the inn past the innkeeper's
# corner, east and north to the crystal
15000 down Down
16280 up Down
16500 down Left
18420 up Left
18800 down Up
19920 up Up
20100 down Right
20580 up Right
20700 down Up
20860 up Up
21500 down Space
21550 up Space
23500 down Space
23550 up Space
SCRIPT
run_game 25000 --shot 8500:"$shots/lesson.png"

frame=$(frame_after 7400)
echo "$frame" | grep -qF '"origin":[13,16],"scroll":[0,0],"playerY":5,"facing":3' ||
  fail "not facing the elder at (20, 21): $frame"
voice=$(time_of '"sound":"Wave02.wav"' 7500)
[ -n "$voice" ] && [ "$voice" -lt 8000 ] || fail "the elder's voice at '$voice'"
# 長老「遺跡の主を倒したか！ and so on: one click a character and page wait, from the voice on.
clicks=$(awk -v from="$voice" "$line_time"'
  index($0, "\"sound\":\"ChakiB@22.wav\"") && t($0) >= from && t($0) < 11500 { n++ } END { print n + 0 }' "$log")
[ "$clicks" -ge 40 ] || fail "the lesson typed only $clicks clicks"

save="$work/game/DATA/SaveData.DAT"
written=$(time_of "\"file\":\"$save\"")
[ -n "$written" ] && [ "$written" -ge 21500 ] || fail "save file written at '$written'"
bytes=$(od -An -tx1 -v "$save" | tr -d ' \n')
byte_at() { echo "${bytes:$((2 * $1)):$((2 * $2))}"; }
[ "$(byte_at 42 1)" = 02 ] || fail "SelectCode is not 2 after the lesson: $bytes"
[ "$(byte_at 45 8)" = 0000020000000001 ] || fail "flags 2 and 7 are not 2 and 1: $bytes"
echo "lesson: voice at $voice ms, $clicks clicks, saved at $written ms"
