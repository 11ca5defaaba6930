#!/usr/bin/env bash
# The player program plays the headless game from the title to the end of the staff roll by
# keys alone; its keys, replayed by the plain headless game, must give the same log line for
# line (the proof that it only pressed keys and that a run is deterministic).
set -euo pipefail
bin=$1
build=$2
seed=${3:-1}
source "$(dirname "$0")/lib/session.bash"
copy_game_data
cp -r "$work/game" "$work/fresh"

set +e
"$build/autoplay" --data "$work/game" --script "$work/input.txt" --log "$log" --seed "$seed" \
  > "$work/summary.txt" 2> "$work/stderr.txt"
status=$?
set -e
cat "$work/summary.txt"
[ "$status" -eq 0 ] || fail "the player did not reach the end (exit status $status)"
grep -q '^staff roll: seen$' "$work/summary.txt" || fail "the staff roll was not seen"

# Every boss on the way to the gate was beaten, not passed: the ruins', the cave's, the cave
# passage's walker, the secret passage's runner, the mountain's dragon and the master.
for kind in 0 1 2 3 6 7; do
  grep -q "^boss fight [0-9]*: kind $kind, .* won$" "$work/summary.txt" ||
    fail "boss kind $kind was not beaten"
done
# The game is back at the title: its music is the last music opened.
last_music=$(grep '"music":"open' "$log" | tail -n 1)
[[ "$last_music" == *Stones2.mid* ]] || fail "not back at the title: $last_music"

# The same keys through the plain game, on the same folder as it was before the run (the log
# names the files it opens).
rm -rf "$work/game"
cp -r "$work/fresh" "$work/game"
(cd "$work" && "$bin" --headless --data "$work/game" --input "$work/input.txt" --seed "$seed" \
  --log "$work/replay.jsonl" 2> "$work/replay_stderr.txt") || fail "the replay failed"
cmp -s "$log" "$work/replay.jsonl" ||
  fail "the replay differs: $(diff "$log" "$work/replay.jsonl" | head -n 4)"
echo "replay: $(wc -l < "$log") log lines, identical"
