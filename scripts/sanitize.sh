#!/usr/bin/env bash
# Builds the game, its tools and every test with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ (clang), then runs the whole suite there. The libFuzzer targets are built in
# the same folder, so fuzz/run.sh can use them afterwards. Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ ! -f build-asan/CMakeCache.txt ]; then
  # -O1 with line tables: quick to build, fast enough to run, and reports name file and line.
  cmake -S . -B build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" -DKORVELA_SANITIZE=ON -DKORVELA_FUZZ=ON -DKORVELA_BENCH=OFF \
    "${launcher[@]}" >/dev/null
fi
nice cmake --build build-asan -j "$(nproc)"
cd build-asan
# The real window's end-to-end test times a replay and the share of a core it paints with, which
# a build several times slower (on a busy machine) cannot meet; its code runs in the other tests.
ctest --output-on-failure -j "$(nproc)" -E "^e2e_real_window$" "$@"
