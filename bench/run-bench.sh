#!/usr/bin/env bash
# Benchmarks on the shared corpus: the in-process count and the micro
# benchmarks. Usage: bench/run-bench.sh BUILD_DIR
set -euo pipefail
build=${1:-build/release}
here=$(cd "$(dirname "$0")/.." && pwd)
corpus=${ZET_CORPUS:-$here/../shared/corpus}
data=$build/bench-data
mkdir -p "$data"

kjv10=$data/kjvbible_x10.txt
distinct=$data/distinct.txt
if [ ! -s "$kjv10" ]; then
  for _ in 1 2 3 4 5 6 7 8 9 10; do cat "$corpus/kjvbible.txt"; done > "$kjv10"
fi
if [ ! -s "$distinct" ]; then
  python3 "$corpus/make_distinct.py" "$distinct"
fi

echo "== Counting in process (best of 3): reading, decoding, scanning, word table"
"$build/bin/zet_count_bench" --decide "$kjv10" "$distinct"

if [ -x "$build/bin/zet_micro_bench" ]; then
  echo
  echo "== Micro-benchmarks"
  "$build/bin/zet_micro_bench" --benchmark_min_time=0.2
fi

if [ -x "$here/bench/compare-processes.sh" ] && [ -x "$build/bin/zet-count" ]; then
  echo
  "$here/bench/compare-processes.sh" "$build/bin/zet-count" "$kjv10" "$distinct"
fi

if [ -x "$here/bench/corpus-files.sh" ] && [ -x "$build/bin/zet-count" ]; then
  echo
  "$here/bench/corpus-files.sh" "$build/bin/zet-count" "$kjv10" 1000
fi
