#!/usr/bin/env bash
# Continuing a saved game end to end: a save file of our own in a copy of DATA/, C on the title,
# and the game resumes in the town (map "03", mode 2, view (2, 19)) with the saved numbers and
# the town's music. Then she sleeps at the inn, saves at the save point, gives up with Escape
# and continues again from the new save.
#
# The town: she arrives on (9, 24); the inn's beds are (5, 20) and (7, 20), the save point
# (11, 21). A key held for 40 x n ms walks exactly n frames (4 frames cross a tile).
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
copy_game_data

# The 66-byte record, little-endian: level 3, 120 of 200 experience, HP 40.5, MP 30, max MP 50,
# STR 50, DEX 60, INT 50, position (7, 5), flag 7 = 2.
{
  save_head 3 120 200 40.5 30 50 50 60 50
  printf '\x01\x00\x00'                       # SelectCode, WeaponX, WeaponC
  printf '\x00\x00\x00\x00\x00\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
} > "$work/game/DATA/SaveData.DAT"
[ "$(stat -c %s "$work/game/DATA/SaveData.DAT")" = 66 ] || fail "the test's save file is not 66 bytes"

cat > "$work/input.txt" <<'SCRIPT'
300 down C
400 up C
# up four tiles to (9, 20), then left: the fifth frame steps onto the bed at (7, 20)
2000 down Up
2640 up Up
3000 down Left
3200 up Left
# the sleep message waits for Space
5000 down Space
5050 up Space
# right to (11, 20) (one frame ends the step onto (8, 20), then three tiles), down onto (11, 21)
6000 down Right
6520 up Right
7000 down Down
7160 up Down
# save, close the message, give up, and continue the saved game
8000 down Space
8050 up Space
10000 down Space
10050 up Space
11000 down Escape
11100 up Escape
13500 down C
13600 up C
SCRIPT
run_game 16000 --shot 1500:"$shots/town_continue.png" --shot 3800:"$shots/inn.png" \
  --shot 9000:"$shots/saved.png"

title=$(time_of "$(music_open Stones2.mid)")
town=$(time_of "$(music_open Tavern03.mid)")
[ "$title" = 0 ] || fail "title music at '$title'"
[ -n "$town" ] && [ "$town" -ge 300 ] || fail "town music at '$town'"
first=$(time_of '"frame"')
# The continued game waits half a second before its first frame.
[ -n "$first" ] && [ "$first" -ge $((town + 500)) ] || fail "first frame at '$first'"
frame=$(frame_after 0)
echo "$frame" | grep -qF '"mode":2,"map":"03","origin":[2,19],"scroll":[0,0],"playerY":5' ||
  fail "first frame is not the town's: $frame"
echo "$frame" | grep -qF '"hp":40.5' || fail "saved HP: $frame"
echo "$frame" | grep -qF '"exp":120,"level":3' || fail "saved level and experience: $frame"
grep -qF '"caption":"KORVELA  LV=3  STR=50  DEX=60  INT=50  EXP/Next=120/200"' "$log" ||
  fail "caption of the continued game"

# The inn: the rooster, and HP back to STR.
rooster=$(time_of '"sound":"CockB@11.wav"' 3000)
[ -n "$rooster" ] && [ "$rooster" -ge 5000 ] && [ "$rooster" -lt 6000 ] ||
  fail "the inn's rooster at '$rooster'"
frame=$(frame_after 5900)
echo "$frame" | grep -qF '"origin":[0,15],"scroll":[24,0]' || fail "not beside the bed: $frame"
echo "$frame" | grep -qF '"hp":50' || fail "HP after the inn: $frame"

# The save point: one file written, with the healed HP and the rest of the record.
save="$work/game/DATA/SaveData.DAT"
written=$(time_of "\"file\":\"$save\"")
[ -n "$written" ] && [ "$written" -ge 8000 ] && [ "$written" -lt 8100 ] ||
  fail "save file written at '$written'"
[ "$(count_of '"file"')" = 1 ] || fail "the save point saved more than once"
[ "$(stat -c %s "$save")" = 66 ] || fail "the save file is not 66 bytes"
bytes=$(od -An -tx1 -v "$save" | tr -d ' \n')
byte_at() { echo "${bytes:$((2 * $1)):$((2 * $2))}"; }
[ "$(byte_at 0 8)" = 000003007800c800 ] || fail "saved level and experience: $bytes"
[ "$(byte_at 8 4)" = 00004842 ] || fail "saved HP is not 50: $bytes"
[ "$(byte_at 22 12)" = 000048420000704200004842 ] || fail "saved STR, DEX, INT: $bytes"
[ "$(byte_at 34 8)" = 0700050000000200 ] || fail "saved place and facing: $bytes"
[ "$(byte_at 45 21)" = 000000000000000200000000000000000000000000 ] || fail "saved flags: $bytes"

# Escape, the title, and the game continued from the new save.
[ "$(time_of '"sound":"scream.wav"')" -ge 11000 ] || fail "no scream after Escape"
again=$(time_of "$(music_open Tavern03.mid)" 13500)
[ -n "$again" ] || fail "the second continue did not happen"
frame=$(frame_after "$again")
echo "$frame" | grep -qF '"mode":2,"map":"03","origin":[2,19],"scroll":[0,0]' ||
  fail "second continue: $frame"
echo "$frame" | grep -qF '"hp":50' || fail "second continue lost the inn's HP: $frame"
for shot in town_continue inn saved; do
  [ -s "$shots/$shot.png" ] || fail "screenshot $shot.png not written"
done
echo "continue: town at $first ms, rooster at $rooster ms, saved at $written ms, again at $again ms"
