#!/usr/bin/env bash
# The installed game: `cmake --install` into a fresh prefix gives the program, its data, a
# desktop entry, icons and AppStream metadata that the desktop's own checkers accept; the copy
# started from another folder finds its data under share/korvela/ and keeps its save in the
# player's data folder, never in the installed tree.
# Arguments: the korvela program and the build folder.
set -euo pipefail
bin=$1
build=$2
source "$(dirname "$0")/lib/session.bash"
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > "$work/install.txt" || fail "cmake --install failed"
for f in bin/korvela share/korvela/DATA/MAP\(01\).PRO share/korvela/Sound/Stones2.mid \
  share/korvela/assets/Chr.png share/applications/korvela.desktop \
  share/metainfo/korvela.metainfo.xml; do
  [ -f "$prefix/$f" ] || fail "the install has no $f"
done
[ ! -e "$prefix/share/korvela/DATA/maps.stamp" ] || fail "the build's stamp file was installed"
for size in 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/korvela.png"
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  # The PNG header's width and height, and colour type 6 (with alpha: the corners are clear).
  [ "$(od -An -tu4 --endian=big -j16 -N8 "$icon" | tr -s ' ')" = " $size $size" ] &&
    [ "$(od -An -tu1 -j25 -N1 "$icon" | tr -d ' ')" = 6 ] ||
    fail "the ${size}x${size} icon's header is wrong"
done
desktop-file-validate "$prefix/share/applications/korvela.desktop" > "$work/stderr.txt" 2>&1 ||
  fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/korvela.metainfo.xml" \
  > "$work/stderr.txt" 2>&1 || fail "appstreamcli rejects the metadata"

# The player's own folders, empty, and a folder of no importance to start from.
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
mkdir -p "$HOME" "$work/elsewhere"
installed="$prefix/bin/korvela"
player_save="$XDG_DATA_HOME/korvela/SaveData.DAT"

# An old save beside the installed data (as a copy once kept beside the program would leave):
# the installed window takes it into the player's data folder. SDL ends the program on SIGTERM
# as on a closed window.
write_start_save "$prefix/share/korvela/DATA/SaveData.DAT"
(cd "$work/elsewhere" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  exec "$installed" > "$work/stderr.txt" 2>&1) &
game=$!
for _ in $(seq 100); do
  [ -f "$XDG_CONFIG_HOME/korvela/settings.ini" ] && [ -f "$player_save" ] && break
  sleep 0.1
done
sleep 0.5
kill -TERM "$game"
set +e
wait "$game"
status=$?
set -e
[ "$status" -eq 0 ] || fail "the installed window ended with status $status"
cmp -s "$player_save" "$prefix/share/korvela/DATA/SaveData.DAT" ||
  fail "the old save was not copied to the player's data folder"
grep -q "copied to $XDG_DATA_HOME/korvela" "$work/stderr.txt" || fail "the copy was not reported"
[ -f "$XDG_CONFIG_HOME/korvela/settings.ini" ] || fail "no settings file was made"
rm "$prefix/share/korvela/DATA/SaveData.DAT"

# Headless from another folder: C continues the player's save, and the game plays on from the
# installed maps, music and sheets; the player's save stays as it was.
cp "$player_save" "$work/save_before"
printf '500 down C\n600 up C\n' > "$work/input.txt"
set +e
(cd "$work/elsewhere" && "$installed" --headless --input "$work/input.txt" --until 4000 \
  --log "$log" 2> "$work/stderr.txt")
status=$?
set -e
[ "$status" -eq 0 ] || fail "the installed headless game ended with status $status"
[ -n "$(time_of "open \\\"$prefix/share/korvela/Sound/Stones2.mid\\\"")" ] ||
  fail "the title music did not come from the installed Sound folder"
[ -n "$(time_of '"frame"' 600)" ] || fail "the continued game never drew a frame"
cmp -s "$player_save" "$work/save_before" || fail "the headless run changed the player's save"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into the folder it was started from"
echo "install tree: ok"
