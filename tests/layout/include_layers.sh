#!/usr/bin/env bash
# The include graph runs one way: platform <- game <- (map, player, text, events, weapons,
# enemies) <- shell <- main. A file may include its own folder and the folders below it only.
set -euo pipefail
src="$(cd "$(dirname "$0")/../../src" && pwd)"
below() {
  case "$1" in
    platform) echo "platform" ;;
    game) echo "platform game" ;;
    map | player | text | events | weapons | enemies)
      echo "platform game map player text events weapons enemies" ;;
    shell) echo "platform game map player text events weapons enemies shell" ;;
  esac
}
bad=0
for dir in platform game map player text events weapons enemies shell; do
  allowed=" $(below "$dir") "
  while IFS= read -r line; do
    file=${line%%:*}
    target=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$line")
    if [[ "$allowed" != *" $target "* ]]; then
      echo "layering: $file includes $target/, which sits above $dir/" >&2
      bad=1
    fi
  done < <(grep -H -E '^#include "[a-z_]+/' "$src/$dir"/*.h "$src/$dir"/*.cpp 2>/dev/null || true)
done
[ "$bad" -eq 0 ] && echo "include layers: all folders include only their own and lower folders"
exit "$bad"
