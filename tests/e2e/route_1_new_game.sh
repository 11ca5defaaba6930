#!/usr/bin/env bash
# The route, step 1: a new game from the title. Through the opening, the heroine reads the sign
# that faces her at the start (its scribble sets flag 5), walks up the clearing to the ruins'
# stairs (36) at (97, 80) and goes down into the first stage: map "02" seen from (4, 12), she on
# (11, 18) facing right.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
copy_game_data

learn_new_game_start
# A key held for 40 x n ms walks n frames; four frames cross a tile.
{
  printf '2000 down Space\n%s up Space\n' "$release"
  # The sign at (98, 90): Space, then one press for each page wait of its first reading.
  printf '%s down Space\n%s up Space\n' $((first + 500)) $((first + 550))
  printf '%s down Space\n%s up Space\n' $((first + 6000)) $((first + 6050))
  printf '%s down Space\n%s up Space\n' $((first + 11000)) $((first + 11050))
  # Ten tiles north, from (97, 90) onto the stairs.
  printf '%s down Up\n%s up Up\n' $((first + 14000)) $((first + 14000 + 40 * 40))
} > "$work/input.txt"
run_game $((first + 18000)) --shot $((first + 17000)):"$shots/route_ruins.png"

read_at=$(time_of '"sound":"ChakiB@22.wav"' "$first")
[ -n "$read_at" ] && [ "$read_at" -lt $((first + 1500)) ] || fail "the sign was not read ($read_at)"
staged=$(time_of '"frame":{"mode":1,"map":"02","origin":[4,12],"scroll":[0,0],"playerY":6,"facing":0' "$first")
[ -n "$staged" ] || fail "never went down the ruins' stairs"
grep -qF "$(music_open Dragflit.mid)" "$log" || fail "no stage music"
echo "route 1: first frame at $first ms, the sign read at $read_at ms, the ruins at $staged ms"
