# Helpers for the end-to-end scripts: a private copy of the game's data, a headless run, and
# questions about its JSON-lines log. Source it after setting bin=$1 and build=$2.

bin=$(realpath "$bin")
build=$(realpath "$build")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log="$work/log.jsonl"
# Screenshots stay after the run when KORVELA_SHOTS names a folder (to look at them).
shots="${KORVELA_SHOTS:-$work}"
mkdir -p "$shots"

fail() {
  echo "FAIL: $*"
  if [ -s "$log" ]; then
    echo "--- log (first lines)"
    head -n 15 "$log"
    echo "--- log (last lines)"
    tail -n 5 "$log"
  fi
  if [ -s "$work/stderr.txt" ]; then
    echo "--- stderr"
    cat "$work/stderr.txt"
  fi
  exit 1
}

# The game's DATA/ and Sound/ copied into $work/game, without any save file.
copy_game_data() {
  mkdir -p "$work/game"
  [ -d "$build/DATA" ] || fail "no DATA folder in $build (the maps are not built)"
  cp -r "$build/DATA" "$work/game/DATA"
  rm -f "$work/game/DATA/SaveData.DAT"
  if [ -d "$build/Sound" ]; then cp -r "$build/Sound" "$work/game/Sound"; fi
}

# poke FILE SIDE X Y CODE: one byte of a layer file of SIDE x SIDE cells.
poke() { printf "\\x$(printf %02x "$5")" | dd of="$1" bs=1 seek=$(($4 * $2 + $3)) conv=notrunc status=none; }
source "$(dirname "${BASH_SOURCE[0]}")/save_data.bash"

# run_game UNTIL_MS [more options...]: runs the headless game on $work/input.txt.
run_game() {
  local until=$1
  shift
  set +e
  (cd "$work" && "$bin" --headless --data "$work/game" --input "$work/input.txt" \
    --until "$until" --log "$log" "$@" 2> "$work/stderr.txt")
  status=$?
  set -e
  [ "$status" -eq 0 ] || fail "exit status $status"
}

# Log questions. awk reads the whole log (no early exit), so no pipe breaks under pipefail; the
# text comes through the environment, where awk leaves backslashes alone.
# The time of a log line.
line_time='function t(line) { sub(/^{"t":/, "", line); sub(/,.*/, "", line); return line + 0 }'
# The time of the first log line that contains the text at or after a time (default 0).
time_of() {
  TEXT=$1 awk -v from="${2:-0}" "$line_time"'
    !found && index($0, ENVIRON["TEXT"]) && t($0) >= from { print t($0); found = 1 }' "$log"
}
# The first frame record at or after a time.
frame_after() {
  awk -v from="$1" "$line_time"'
    !found && index($0, "\"frame\"") && t($0) >= from { print; found = 1 }' "$log"
}
# How many log lines contain the text.
count_of() { TEXT=$1 awk 'index($0, ENVIRON["TEXT"]) { n++ } END { print n + 0 }' "$log"; }
# A new game with Space pressed at 2000 ms and held: a held Space passes every page of the
# opening, but it must be up again before the first frame, where it would search the field.
# The opening's length depends on its texts, so a first run finds when its last music starts
# (2.5 s before the first frame) and sets: first, the first frame's time, and release, a time
# to let go of Space after the opening's last page (at once when there is no opening).
# Arguments: script lines that come before the Space press, the same in the real run.
learn_new_game_start() {
  printf '%s2000 down Space\n' "${1:-}" > "$work/input.txt"
  run_game 90000
  # The frame loop's entry shows the new game's caption; the first frame record follows at the
  # same moment unless the held Space made that frame search the field.
  first=$(time_of '"caption":"KORVELA  LV=' 2000)
  [ -n "$first" ] && [ -n "$(time_of '"frame"')" ] || fail "the new game never reached its first frame"
  release=$(awk -v first="$first" "$line_time"'
    index($0, "\"music\":\"open") && t($0) <= first { last = t($0) }
    END { print (last >= 2000 ? last + 100 : 2000) }' "$log")
}
music_open() { echo "open \\\"$work/game/Sound/$1\\\" alias MIDI"; }
