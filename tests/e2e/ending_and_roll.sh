#!/usr/bin/env bash
# The ending end to end: a continued game whose town has the gate home (code 185) under the
# heroine's arrival cell (9, 24) runs the ending after its first frame. Space is held through the
# dialogues and let go during the staff roll; the bomb bursts, the teaser is typed, and the title
# comes back with its music and waits.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
copy_game_data

poke "$work/game/DATA/03_LAYER2.DAT" 128 9 24 185
write_start_save "$work/game/DATA/SaveData.DAT"

# The dialogues take about 40 s with Space held; the roll that follows lasts a minute, so a
# release at 50 s falls inside it whatever small changes the dialogues see.
cat > "$work/input.txt" <<'SCRIPT'
300 down C
400 up C
1000 down Space
50000 up Space
SCRIPT
run_game 120000 --shot 7000:"$shots/ending.png" --shot 100000:"$shots/roll.png" \
  --shot 119000:"$shots/title_again.png"

first=$(time_of '"frame"')
[ -n "$first" ] || fail "the continued game never ran a frame"
[ "$(count_of '"frame"')" -eq 1 ] || fail "frames ran after the gate: $(count_of '"frame"')"
# The tile wipe: 180 tiles of 20 ms, then the ending's music.
ending=$(time_of "$(music_open Tolvane1.mid)")
[ "$ending" = $((first + 3600)) ] || fail "the ending's music at '$ending', not $((first + 3600))"
roll=$(time_of "$(music_open combat2.mid)")
[ -n "$roll" ] && [ "$roll" -lt 50000 ] || fail "the roll's music at '$roll' (Space let go at 50 s)"
# A thousand passes of 50 ms and ten seconds standing, then silence and the bomb.
stop=$(time_of '"music":"stop MIDI notify"' "$roll")
[ "$stop" = $((roll + 60000)) ] || fail "the roll's music stopped at '$stop'"
burst=$(time_of '"sound":"explode.wav"' "$roll")
[ "$burst" = $((stop + 720)) ] || fail "the bomb burst at '$burst', not $((stop + 720))"
# The teaser: ten more bomb steps, a second of black, nine characters, ten seconds; the title.
title=$(time_of "$(music_open Stones2.mid)" "$roll")
[ "$title" = $((burst + 600 + 1000 + 450 + 10000)) ] || fail "the title came back at '$title'"
teaser=$(awk -v from="$burst" -v to="$title" "$line_time"'
  index($0, "ChakiB@22.wav") && t($0) > from && t($0) < to { n++ } END { print n + 0 }' "$log")
[ "$teaser" -eq 9 ] || fail "$teaser clicks for the teaser's nine characters"
grep -q '"error"' "$log" && fail "an error was reported"
for shot in ending roll title_again; do
  [ -s "$shots/$shot.png" ] || fail "screenshot $shot.png not written"
done
echo "ending: gate at $first ms, roll at $roll ms, burst at $burst ms, title at $title ms"
echo "ending and roll with Space held: $((title - first)) ms"
