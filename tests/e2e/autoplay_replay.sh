#!/usr/bin/env bash
# The player program plays the headless game from the title through the route as far as the
# world goes, by keys alone; its keys, replayed by the plain headless game, must give the same
# log line for line (the proof that it only pressed keys and that a run is deterministic).
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
copy_game_data
cp -r "$work/game" "$work/fresh"

set +e
# The player walks the route's first five legs, up to the cave passage, where it stops; before
# that leg it goes back to the ruins until it is strong enough.
"$build/autoplay" --data "$work/game" --script "$work/input.txt" --log "$log" --legs 5 \
  > "$work/summary.txt" 2> "$work/stderr.txt"
status=$?
set -e
cat "$work/summary.txt"
[ "$status" -eq 0 ] || fail "the player did not finish the route (exit status $status)"

# Into the ruins, the first boss beaten (perhaps after a death), and out to the field.
grep -q '^boss fight [0-9]*: kind 0, .* won$' "$work/summary.txt" || fail "the ruins' boss was not beaten"
# The cave's boss is fought, not jumped past, and the levels for the cave passage are reached.
grep -q '^boss fight [0-9]*: kind 1, .* won$' "$work/summary.txt" || fail "the cave's boss was not beaten"
grep -q '^level: \([89]\|[1-9][0-9]\)$' "$work/summary.txt" || fail "not grown to level 8"
staged=$(time_of '"mode":1,"map":"02","origin":[4,12]')
[ -n "$staged" ] || fail "never reached the ruins"
back=$(time_of '"mode":0,"map":"01","origin":[90,76]' "$staged")
[ -n "$back" ] || fail "never came back out of the ruins"
# Then to town to rest and save, and through the cave to the field's east (code 35).
saved=$(time_of '"file":' "$back")
[ -n "$saved" ] || fail "never saved after the ruins"
cave=$(time_of '"mode":0,"map":"01","origin":[114,90]' "$saved")
[ -n "$cave" ] || fail "never came out of the cave"
passage=$(time_of '"mode":1,"map":"02","origin":[2,50]' "$cave")
[ -n "$passage" ] || fail "never entered the cave passage"

# The same keys through the plain game, on the same folder as it was before the run (the log
# names the files it opens).
rm -rf "$work/game"
cp -r "$work/fresh" "$work/game"
(cd "$work" && "$bin" --headless --data "$work/game" --input "$work/input.txt" \
  --log "$work/replay.jsonl" 2> "$work/replay_stderr.txt") || fail "the replay failed"
cmp -s "$log" "$work/replay.jsonl" ||
  fail "the replay differs: $(diff "$log" "$work/replay.jsonl" | head -n 4)"
echo "replay: $(wc -l < "$log") log lines, identical"
