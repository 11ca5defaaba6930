#!/usr/bin/env bash
# The title screen end to end: its music, a continue without a save file (the title stays and
# says so), then Space: the new game starts on the field, map "01", mode 0, view (90, 85).
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
copy_game_data

no_save=$'500 down C\n600 up C\n'
learn_new_game_start "$no_save"
# C with nothing saved, then Space held through the opening's pages.
printf '%s2000 down Space\n%s up Space\n' "$no_save" "$release" > "$work/input.txt"
run_game $((first + 2000)) --shot 300:"$shots/title.png" --shot 900:"$shots/title_no_save.png" \
  --shot 4000:"$shots/opening.png" --shot $((first + 1000)):"$shots/field.png"

# The title's music from the start.
[ "$(time_of "$(music_open Stones2.mid)")" = 0 ] || fail "title music not opened at 0 ms"
[ "$(time_of '"music":"play MIDI notify"')" = 0 ] || fail "title music not played at 0 ms"

# C found no save file: no error, no continue, a word on stderr, and the title kept waiting.
grep -q '"error"' "$log" && fail "an error was reported"
grep -qF "$(music_open Tavern03.mid)" "$log" && fail "a game was continued"
grep -q "no saved game to continue in $work/game/DATA/SaveData.DAT" "$work/stderr.txt" ||
  fail "stderr does not name the missing save file"
first=$(time_of '"frame"')
[ -n "$first" ] && [ "$first" -ge 2000 ] || fail "the game started at '$first' ms, before Space"

# Space starts the opening at once: its music and the rooster, and the field's music 2.5 s
# before the first frame. Held, it passes every page; the pauses still run.
[ "$(time_of "$(music_open Tolvane1.mid)")" = 2000 ] || fail "the opening's music is not at 2000 ms"
[ "$(time_of '"sound":"CockB@11.wav"')" = 2000 ] || fail "no rooster at 2000 ms"
[ "$(time_of "$(music_open Forest_A.mid)")" = $((first - 2500)) ] ||
  fail "the field's music is not 2.5 s before the first frame"
[ $((first - 2000)) -ge $((600 + 4 * 1000 + 2500)) ] || fail "the opening took $((first - 2000)) ms"

# The new game: field map, mode 0, the starting view and numbers.
frame=$(frame_after 0)
echo "$frame" | grep -qF '"mode":0,"map":"01","origin":[90,85],"scroll":[0,0],"playerY":5' ||
  fail "first frame is not the new game's field: $frame"
echo "$frame" | grep -qF '"hp":50' || fail "new game HP: $frame"
echo "$frame" | grep -qF '"exp":0,"level":1' || fail "new game level: $frame"
grep -qF '"caption":"KORVELA  LV=1  STR=50  DEX=50  INT=50  EXP/Next=0/100"' "$log" ||
  fail "new game caption"
for shot in title title_no_save opening field; do
  [ -s "$shots/$shot.png" ] || fail "screenshot $shot.png not written"
done
echo "title and new game: first frame at $first ms, $((first - 2000)) ms after Space"
