#!/usr/bin/env bash
# Whole-process comparison: zet-count (default parameters, format 0, by
# frequency, listing to a file) beside a classic shell pipeline and wc -w.
# Usage: bench/compare-processes.sh ZET_COUNT FILE...
set -euo pipefail
zet=$1
shift
runs=${ZET_BENCH_RUNS:-3}
out=$(mktemp)
timing=$(mktemp)
trap 'rm -f "$out" "$timing"' EXIT

# Best wall time (seconds) and peak memory (KiB) of a command over $runs runs.
measure() {
  local best="" mem=0 line t m
  for _ in $(seq "$runs"); do
    /usr/bin/time -o "$timing" -f "%e %M" bash -c "$1" >/dev/null 2>&1
    line=$(tail -n 1 "$timing")
    t=${line% *}
    m=${line#* }
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
    [ "$m" -gt "$mem" ] && mem=$m
  done
  echo "$best $mem"
}

ratio() { awk "BEGIN{ if ($2 > 0) printf \"%.2f\", $1 / $2; else print \"inf\" }"; }

for file in "$@"; do
  name=$(basename "$file")
  mb=$(awk "BEGIN{printf \"%.1f\", $(stat -c %s "$file") / 1e6}")
  read -r zt zm < <(measure "'$zet' -o '$out' '$file'")
  read -r pt pm < <(measure "tr -cs 'A-Za-z' '\n' < '$file' | tr 'A-Z' 'a-z' | sort | uniq -c | sort -rn")
  read -r wt wm < <(measure "wc -w '$file'")
  echo "== $name ($mb MB), best of $runs"
  printf '  %-10s %7.2f s  peak %7.1f MiB\n' zet-count "$zt" "$(awk "BEGIN{print $zm/1024}")"
  printf '  %-10s %7.2f s\n' pipeline "$pt"
  printf '  %-10s %7.2f s\n' "wc -w" "$wt"
  echo "  pipeline / zet-count = $(ratio "$pt" "$zt")   zet-count / wc -w = $(ratio "$zt" "$wt")"
done
