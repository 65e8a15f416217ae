#!/usr/bin/env bash
# What --spellings costs, and that not asking for it costs nothing: one
# build without the spellings hook (BEFORE) beside this one (AFTER), runs
# interleaved so that a busy machine weighs on every command alike.
# Usage: bench/spellings-cost.sh BEFORE_ZET_COUNT AFTER_ZET_COUNT FILE
set -euo pipefail
before=$1 after=$2 file=$3
runs=${ZET_BENCH_RUNS:-7}
out=$(mktemp) timing=$(mktemp)
trap 'rm -f "$out" "$timing"' EXIT

commands=(
  "'$before' -o '$out' '$file'"
  "'$after' -o '$out' '$file'"
  "'$after' --spellings -o '$out' '$file'"
  "'$before' --case-sensitive -o '$out' '$file'"
  "'$after' --case-sensitive --spellings -o '$out' '$file'"
)
labels=("before" "after" "after --spellings" "before --case-sensitive"
        "after --case-sensitive --spellings")
declare -a best mem
for _ in $(seq "$runs"); do
  for i in "${!commands[@]}"; do
    /usr/bin/time -o "$timing" -f "%e %M" bash -c "${commands[$i]}" >/dev/null 2>&1
    read -r t m < <(tail -n 1 "$timing")
    if [ -z "${best[$i]:-}" ] || awk "BEGIN{exit !($t < ${best[$i]})}"; then best[$i]=$t; fi
    if [ -z "${mem[$i]:-}" ] || [ "$m" -gt "${mem[$i]}" ]; then mem[$i]=$m; fi
  done
done
echo "== $(basename "$file"), best of $runs (peak memory: the largest seen)"
for i in "${!commands[@]}"; do
  printf '  %-36s %6.2f s  peak %7.1f MiB\n' "${labels[$i]}" "${best[$i]}" \
    "$(awk "BEGIN{print ${mem[$i]}/1024}")"
done
