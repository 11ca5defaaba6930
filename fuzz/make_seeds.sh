#!/usr/bin/env bash
# Rebuilds the committed seed corpora in fuzz/corpus/ from the game's real data: the maps as
# compiled into BUILD/DATA (default build/), the Tiled sources and texts in data/, each search
# text on its own, the input scripts of the end-to-end tests, a few save records and the settings
# file the game writes when there is none (the broken settings files beside it are hand-made).
#
#   fuzz/make_seeds.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=fuzz/corpus
# Hand-made seeds (the small maps) stay; what this script makes is replaced.
mkdir -p "$out"/{map_loader,mapc_map,mapc_texts,markup,save,input_script,settings}

# A 20-byte name field of a map file, trimmed.
name_field() { dd if="$1" bs=1 skip="$2" count=20 status=none | tr -d ' \0'; }

# Map loader: the map file followed by the files it names, in the order the target reads them.
for map in "$build"/DATA/MAP*.PRO; do
  id=$(basename "$map" .PRO | tr -d 'MAP()')
  {
    cat "$map"
    for at in 2 22 42; do
      f="$build/DATA/$(name_field "$map" $at)"
      [ -f "$f" ] && cat "$f"
    done
  } >"$out/map_loader/map$id"
  # The header alone, as a short map with every companion missing.
  head -c 192 "$map" >"$out/map_loader/header$id"
done

# One whole map (the smallest); the 256 x 256 maps make each run slow without reaching more code.
cp data/town.tmj "$out/mapc_map/"
cp data/*.txt "$out/mapc_texts/"

# Markup: every search text that is set, as the 200 Shift-JIS bytes the game reads.
for texts in "$build"/DATA/*_TEXTS.DAT; do
  id=$(basename "$texts" _TEXTS.DAT)
  for i in $(seq 0 255); do
    record=$(dd if="$texts" bs=200 skip="$i" count=1 status=none | tr -d ' ')
    [ -n "$record" ] && dd if="$texts" bs=200 skip="$i" count=1 status=none >"$out/markup/$id-$i"
  done
done

# Input scripts: the ones the end-to-end tests replay.
for script in tests/e2e/*.sh; do
  awk '/<<.SCRIPT.$/ {on = 1; n++; next} /^SCRIPT$/ {on = 0} on {print > (out "-" n)}' \
    out="$out/input_script/$(basename "$script" .sh)" "$script"
done
# ... and a recording as --record writes it, in the moment form.
printf 'format moments\nseed 4242\nsave %s\n4 down C\n4 up C\n401 down Up\n655 up Up\n9540 quit\n' \
  "$(printf '%0132d' 0)" >"$out/input_script/recording-1"

# Saves: 66-byte records, little-endian, field by field, written here in hex.
save() { printf "$(tr -d ' \n' <<<"$2" | sed 's/\(..\)/\\x\1/g')" >"$out/save/$1"; }
#               Reserved Level Exp  NextExp HP       MP       MaxMP    Jumping
#               STR      DEX      INT      X    Y    AnimStep Facing Select WeaponX WeaponC
#               story flags 0..20
save new_game '0000 0100 0000 6400 00004842 00004842 00004842 0000
               00004842 00004842 00004842 0700 0500 0000 0000 01 00 00
               000000000000000000000000000000000000000000'
save town_lesson '0000 0300 7800 c800 00002242 0000f041 00004842 0000
                  00004842 00007042 00004842 0700 0500 0000 0000 01 00 00
                  000000000000000200000000000000000000000000'
save late_game '0000 1e00 1027 1027 0000fa43 0000fa43 0000fa43 0000
                0000fa43 0000fa43 0000fa43 0700 0500 0000 0300 03 02 03
                010101010101010101010101010101010101010101'
for f in "$out"/save/*; do
  [ "$(stat -c %s "$f")" = 66 ] || { echo "fuzz/make_seeds.sh: $f is not 66 bytes" >&2; exit 1; }
done

# Settings: the file the game writes with every default.
rm -f "$out/settings/default.ini"
"$build/korvela" --headless --settings "$out/settings/default.ini" --until 0

du -sh "$out"/*
