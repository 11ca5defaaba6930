#!/usr/bin/env bash
# Runs each libFuzzer target for the given number of seconds, one after another, starting from
# its committed seeds in fuzz/corpus/<target>/. What a run adds is kept in BUILD/fuzz-corpus/ (the
# committed seeds are only read); a finding is written to BUILD/fuzz-findings/ and stops the
# script with a failure.
#
#   fuzz/run.sh SECONDS [TARGET...]     (default: every target; BUILD is build-asan, or $FUZZ_BUILD)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: fuzz/run.sh SECONDS [TARGET...]}
shift
build=${FUZZ_BUILD:-build-asan}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(map_loader mapc_map mapc_texts markup save input_script settings)
fi
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
status=0
for t in "${targets[@]}"; do
  exe="$build/fuzz/fuzz_$t"
  [ -x "$exe" ] || { echo "fuzz/run.sh: $exe is not built (scripts/sanitize.sh builds it)" >&2; exit 2; }
  work="$build/fuzz-corpus/$t"
  findings="$build/fuzz-findings"
  mkdir -p "$work" "$findings"
  log="$build/fuzz-$t.log"
  echo "fuzz_$t: $seconds s"
  # The game's own error messages for rejected inputs go to the log, not the terminal.
  if nice "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/$t-" "$work" "fuzz/corpus/$t" >"$log" 2>&1; then
    grep -aE "DONE|^stat::number_of_executed_units" "$log" | tail -2 | sed 's/^/  /'
  else
    echo "  FAILED: see $log and $findings/" >&2
    grep -E "ERROR|SUMMARY|runtime error|==[0-9]+==" "$log" | head -5 | sed 's/^/  /' >&2
    status=1
  fi
done
exit $status
