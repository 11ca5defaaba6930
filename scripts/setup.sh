#!/usr/bin/env bash
# Installs the Debian packages the game needs (only those missing) and builds it into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libsdl2-image-dev libfontconfig-dev
  timgm6mb-soundfont fonts-ipafont-gothic nlohmann-json3-dev libcli11-dev libinih-dev
  libgtest-dev libbenchmark-dev xvfb xauth xdotool desktop-file-utils appstream
  clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A build folder made where the project used to be (the folder was moved or copied) names the
# old path in its cache, and CMake refuses it; start that build folder afresh.
if [ -f build/CMakeCache.txt ]; then
  old=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' build/CMakeCache.txt)
  if [ "$old" != "$(pwd -P)" ] && [ "$old" != "$(pwd)" ]; then
    echo "The project moved from $old; configuring build/ afresh."
    rm -rf build/CMakeCache.txt build/CMakeFiles
  fi
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
