#!/usr/bin/env bash
# Runs every fuzz target of build/fuzz (the 'fuzz' preset) for a while.
#
#   FUZZ_SECONDS  seconds per target (default 60)
#   FUZZ_JOBS     targets run at once (default 1)
#   FUZZ_TARGETS  the targets to run (default: all)
#
# Each target starts from its working corpus build/fuzz/corpus/<target>
# (what earlier runs found) and its seeds in tests/fuzz/corpus/<target>;
# new inputs go to the working corpus only, so the sources stay clean. A
# crash, hang or property failure leaves its input in
# build/fuzz/artifacts/<target>/ and makes the script fail. Reproduce one
# with build/fuzz/bin/<target> <artifact>.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
jobs=${FUZZ_JOBS:-1}
targets=${FUZZ_TARGETS:-"ScannerFuzz SettingsFuzz CatalogueFuzz CommonWordsFuzz CountOptionsFuzz UnicodeFuzz PartialFuzz"}
build=build/fuzz

# The longest input per target: the scanner needs room for a run of word
# characters longer than the longest piece it takes at once (65000).
max_len() {
  case "$1" in
    ScannerFuzz) echo 72000 ;;
    CatalogueFuzz|CommonWordsFuzz) echo 65536 ;;
    *) echo 8192 ;;
  esac
}

run_target() {
  local target=$1
  local corpus=$build/corpus/$target artifacts=$build/artifacts/$target log=$build/logs/$target.log
  mkdir -p "$corpus" "$artifacts" "$build/logs"
  local status=0
  "$build/bin/$target" "$corpus" "tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts/" -print_final_stats=1 >"$log" 2>&1 || status=$?
  local runs cov
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1 || true)
  local found
  found=$(grep -o "Test unit written to .*" "$log" | sed 's/Test unit written to //' | tail -n 1 || true)
  if [ "$status" -eq 0 ]; then
    printf '%-18s %10s runs  %-22s clean\n' "$target" "${runs:-?}" "${cov:-cov: ?}"
  else
    printf '%-18s %10s runs  %-22s FAILED (exit %s) %s; log %s\n' "$target" "${runs:-?}" \
      "${cov:-cov: ?}" "$status" "${found:-}" "$log"
    return 1
  fi
}

echo "Fuzzing for ${seconds}s per target, ${jobs} at a time"
failed=0
running=0
for target in $targets; do
  [ -x "$build/bin/$target" ] || { echo "$target: not built (cmake --build --preset fuzz)"; failed=1; continue; }
  run_target "$target" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done

if [ "$failed" -ne 0 ]; then
  echo "Fuzzing found a problem: see the lines above and build/fuzz/artifacts/"
  exit 1
fi
echo "Fuzzing clean"
