#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game in a window. Extra arguments go to the
# game (for example --scale 3).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
exec build/korvela "$@"
