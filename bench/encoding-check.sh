#!/usr/bin/env bash
# The cost of deciding a file's encoding beside the cost of counting it:
# the whole-file UTF-8 check (reading the file again and validating it)
# must stay well under a tenth of the count.
# Usage: bench/encoding-check.sh BUILD_DIR [FILE...]
set -euo pipefail
build=${1:-build/release}
shift || true
here=$(cd "$(dirname "$0")/.." && pwd)
corpus=${ZET_CORPUS:-$here/../shared/corpus}
if [ $# -eq 0 ]; then
  data=$build/bench-data
  mkdir -p "$data"
  kjv10=$data/kjvbible_x10.txt
  if [ ! -s "$kjv10" ]; then
    for _ in 1 2 3 4 5 6 7 8 9 10; do cat "$corpus/kjvbible.txt"; done > "$kjv10"
  fi
  set -- "$kjv10"
fi
"$build/bin/zet_count_bench" --decide "$@"
