#!/usr/bin/env bash
# A recording replays exactly. A headless run of a timed script, recorded with --record (each
# key change at the game's moment, the seed and the save it started from), replays without the
# script's times and without --seed to the same log line for line: the same frames, captions,
# sounds, music and save written. Another seed parts from it. A replay into a scratch save
# folder (which holds whatever save the player has) starts from the recording's save.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
# A home of its own: the player's settings and saves are neither read nor written.
mkdir -p "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
copy_game_data
save="$work/game/DATA/SaveData.DAT"
write_start_save "$save"
start_hex=$(od -An -v -t x1 "$save" | tr -d ' \n')
# In town, two tiles above her arrival on (9, 24) a save point, and above it the stairs to the
# ruins, where a runner (which dashes at random) starts on her arrival cell (11, 18).
poke "$work/game/DATA/03_LAYER2.DAT" 128 9 22 49
poke "$work/game/DATA/03_LAYER2.DAT" 128 9 21 36
poke "$work/game/DATA/02_LAYER2.DAT" 256 11 18 163
cp -r "$work/game" "$work/fresh"

# Continue, up two tiles (8 frames) and save, close the message, up one more tile into the
# ruins, and shoot at the runner.
cat > "$work/input.txt" <<'SCRIPT'
300 down C
400 up C
2000 down Up
2320 up Up
3000 down Space
3050 up Space
5000 down Space
5050 up Space
6000 down Up
6160 up Up
9000 down X
14000 up X
SCRIPT
run_game 18000 --seed 4242 --record "$work/keys.txt"
[ "$(head -n 1 "$work/keys.txt")" = "format moments" ] || fail "the record has no format line"
grep -qx 'seed 4242' "$work/keys.txt" || fail "the record does not hold the seed"
grep -qx "save $start_hex" "$work/keys.txt" || fail "the record does not hold the starting save"
[ "$(count_of '"file":')" -eq 1 ] || fail "the run did not save once"
[ -n "$(time_of '"map":"02"')" ] || fail "the run never reached the ruins"
[ -n "$(time_of '"enemies":1')" ] || fail "the runner never started"

# replay FOLDER LOG [options...]: the recording replayed on a copy of the folder as it was
# before the run; its log, with the folder's name made alike, goes to LOG.
replay() {
  local folder=$1 out=$2
  shift 2
  rm -rf "$work/again"
  cp -r "$folder" "$work/again"
  (cd "$work" && "$bin" --headless --data "$work/again" --input "$work/keys.txt" \
    --log "$out.raw" "$@" 2>"$work/replay_stderr.txt") ||
    fail "the replay failed: $(cat "$work/replay_stderr.txt")"
  sed "s|$work/again/|$work/game/|g" "$out.raw" >"$out"
}
replay "$work/fresh" "$work/replay.jsonl"
diff "$log" "$work/replay.jsonl" >"$work/diff.txt" ||
  fail "the replay differs: $(head -n 6 "$work/diff.txt")"
echo "replay: $(wc -l <"$log") log lines, $(count_of '"frame"') frames, identical"
replay "$work/fresh" "$work/seed1.jsonl" --seed 1
grep -q "replaces the recording's 4242" "$work/replay_stderr.txt" || fail "no word on the seed"
! cmp -s "$log" "$work/seed1.jsonl" || fail "another seed gave the same fight"

# The starting save: a run of the program's own data with a save folder of its own, replayed
# with neither (so into a scratch folder, where no save is), still continues the game.
mkdir -p "$work/saves"
write_start_save "$work/saves/SaveData.DAT"
printf '300 down C\n400 up C\n2000 down Left\n2400 up Left\n' >"$work/walk.txt"
"$bin" --headless --save-dir "$work/saves" --input "$work/walk.txt" --until 4000 \
  --record "$work/keys.txt" --log "$work/walk.jsonl" 2>"$work/stderr.txt" || fail "the walk failed"
"$bin" --headless --input "$work/keys.txt" --log "$work/walk_replay.jsonl" \
  2>"$work/replay_stderr.txt" || fail "the walk's replay failed"
grep -q '"frame"' "$work/walk.jsonl" || fail "the walk did not continue the game"
cmp -s "$work/walk.jsonl" "$work/walk_replay.jsonl" ||
  fail "the walk's replay differs: $(diff "$work/walk.jsonl" "$work/walk_replay.jsonl" | head -n 4)"
echo "another seed parts from the recording; the walk replays from the recorded save"
