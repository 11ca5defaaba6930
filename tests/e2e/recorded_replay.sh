#!/usr/bin/env bash
# A recording replays exactly. A headless run of a timed script, recorded with --record (each
# key change at the game's moment, the seed and the save it started from), is replayed without
# the script's times, without --seed, from the program's own data and a scratch save folder
# (holding whatever save the player has, not the one the run started from), and gives the same
# log line for line: the same frames, captions, sounds and music, and the same save written.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
copy_game_data
save="$work/game/DATA/SaveData.DAT"
# Level 3, HP 40.5 of 50 (so that the inn heals her), flag 7 set.
{
  save_head 3 120 200 40.5 30 50 50 60 50
  printf '\x01\x00\x00'
  printf '\x00\x00\x00\x00\x00\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
} > "$save"
start_hex=$(od -An -v -t x1 "$save" | tr -d ' \n')

# Continue, up to the inn's bed and sleep, across to the save point and save, give up with
# Escape, continue from the new save and walk a little.
cat > "$work/input.txt" <<'SCRIPT'
300 down C
400 up C
2000 down Up
2640 up Up
3000 down Left
3200 up Left
5000 down Space
5050 up Space
6000 down Right
6520 up Right
7000 down Down
7160 up Down
8000 down Space
8050 up Space
10000 down Space
10050 up Space
11000 down Escape
11100 up Escape
13500 down C
13600 up C
15000 down Up
15500 down Right
15900 up Up
16100 up Right
SCRIPT
run_game 18000 --seed 4242 --record "$work/keys.txt"
[ "$(head -n 1 "$work/keys.txt")" = "format moments" ] || fail "the record has no format line"
grep -qx 'seed 4242' "$work/keys.txt" || fail "the record does not hold the seed"
grep -qx "save $start_hex" "$work/keys.txt" || fail "the record does not hold the starting save"
[ "$(count_of '"file":')" -eq 1 ] || fail "the run did not save once"
[ "$(count_of '"frame"')" -gt 200 ] || fail "the run played only $(count_of '"frame"') frames"
saved_hex=$(od -An -v -t x1 "$save" | tr -d ' \n')
[ "$saved_hex" != "$start_hex" ] || fail "the save point did not change the save"

# The replay: the program's own folders, with a home of its own so that no player's files are
# touched; its log names other folders, which are made alike before comparing.
mkdir -p "$work/home"
(cd "$work" && env HOME="$work/home" XDG_DATA_HOME="$work/home/data" \
  XDG_CONFIG_HOME="$work/home/config" "$bin" --headless --input "$work/keys.txt" \
  --log "$work/replay.jsonl" 2> "$work/replay_stderr.txt") ||
  fail "the replay failed: $(cat "$work/replay_stderr.txt")"
alike() {
  sed -e "s|$work/game/|GAME/|g" -e "s|$build/|GAME/|g" \
    -e 's|"file":"[^"]*/\([^"/]*\)"|"file":"\1"|' "$1"
}
diff <(alike "$log") <(alike "$work/replay.jsonl") > "$work/diff.txt" ||
  fail "the replay differs: $(head -n 6 "$work/diff.txt")"
echo "replay: $(wc -l < "$log") log lines, $(count_of '"frame"') frames, identical"
