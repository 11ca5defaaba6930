#!/usr/bin/env bash
# The headless game end to end: an input script drives a whole session on the virtual clock,
# and the JSON-lines log and a screenshot show what happened.
set -euo pipefail
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/input.txt" <<'SCRIPT'
# start a new game and hold Space through the opening's pages (it lasts 27.4 s), letting go
# before the field (a Space still held there would search), walk right a little, then give up
# with Escape
300 down Space
25300 up Space
28500 down Right
28900 up Right
29500 down Escape
29600 up Escape
SCRIPT

# Run from another folder: the game finds DATA/ and Sound/ beside the program, not here.
cd "$work"
"$bin" --headless --input "$work/input.txt" --until 31500 --log "$work/log.jsonl" \
  --shot 29300:"$work/field.png"
status=$?

fail() { echo "FAIL: $*"; echo "--- log (head)"; head -n 20 "$work/log.jsonl"; exit 1; }
[ "$status" -eq 0 ] || fail "exit status $status"
log="$work/log.jsonl"
grep -q '"caption":"ＫＯＲＶＥＬＡ"' "$log" || fail "window caption at load"
grep -q '"caption":"KORVELA  LV=1  STR=50  DEX=50  INT=50  EXP/Next=0/100"' "$log" \
  || fail "new game caption"
grep -q '"frame":{"mode":0' "$log" || fail "frame records in mode 0"
frames=$(grep -c '"frame"' "$log")
[ "$frames" -ge 20 ] || fail "only $frames frames"
# Escape at 29500 ms: scream, bare caption, music closed, one second later the title again.
scream=$(grep '"sound":"scream.wav"' "$log" | head -n 1 | sed 's/{"t":\([0-9]*\).*/\1/')
[ -n "$scream" ] && [ "$scream" -ge 29500 ] && [ "$scream" -le 29600 ] || fail "scream at '$scream'"
grep -q "\"t\":$scream,\"caption\":\"KORVELA\"" "$log" || fail "bare caption after Escape"
grep -q "\"t\":$scream,\"music\":\"close MIDI notify\"" "$log" || fail "music closed at the end"
# Frames are 40 ms apart on the virtual clock.
first=$(grep '"frame"' "$log" | sed -n 1p | sed 's/{"t":\([0-9]*\).*/\1/')
second=$(grep '"frame"' "$log" | sed -n 2p | sed 's/{"t":\([0-9]*\).*/\1/')
[ $((second - first)) -eq 40 ] || fail "frame period $((second - first)) ms"
[ -s "$work/field.png" ] || fail "screenshot not written"
echo "headless run: $frames frames, scream at $scream ms"
