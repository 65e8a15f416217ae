#!/usr/bin/env bash
# Whole-process comparison: zet-count (default parameters, format 0, by
# frequency) listing to a file on all cores and on one (--jobs 1) and into a
# pipe, beside a classic shell pipeline and wc -w, all in one run. With ZET_BASE=OLD_ZET_COUNT an older
# build is timed beside the new one the same way.
# Usage: bench/compare-processes.sh ZET_COUNT FILE...
# Each line gives the best wall time and the best processor time (user +
# system: steadier than wall time when other work shares the machine) of
# $ZET_BENCH_RUNS runs (default 3), and the peak memory.
set -euo pipefail
zet=$1
shift
runs=${ZET_BENCH_RUNS:-3}
base=${ZET_BASE:-}
out=$(mktemp)
timing=$(mktemp)
trap 'rm -f "$out" "$timing"' EXIT

# Best wall time, best processor time (seconds) and peak memory (KiB) of a
# command over $runs runs. A pipeline's time and memory are its last
# command's, so the counters go inside.
measure() {
  local wall="" cpu="" mem=0 w c m
  for _ in $(seq "$runs"); do
    /usr/bin/time -o "$timing" -f "%e %U %S %M" bash -c "$1" >/dev/null 2>&1
    read -r w u s m < <(tail -n 1 "$timing")
    c=$(awk "BEGIN{print $u + $s}")
    if [ -z "$wall" ] || awk "BEGIN{exit !($w < $wall)}"; then wall=$w; fi
    if [ -z "$cpu" ] || awk "BEGIN{exit !($c < $cpu)}"; then cpu=$c; fi
    [ "$m" -gt "$mem" ] && mem=$m
  done
  echo "$wall $cpu $mem"
}

ratio() { awk "BEGIN{ if ($2 > 0) printf \"%.2f\", $1 / $2; else print \"inf\" }"; }
row() { printf '  %-22s %7.2f s wall %7.2f s cpu  peak %7.1f MiB\n' "$1" "$2" "$3" "$(awk "BEGIN{print $4/1024}")"; }

for file in "$@"; do
  name=$(basename "$file")
  mb=$(awk "BEGIN{printf \"%.1f\", $(stat -c %s "$file") / 1e6}")
  echo "== $name ($mb MB), best of $runs"
  read -r zt zc zm < <(measure "'$zet' -o '$out' '$file'")
  read -r jt jc jm < <(measure "'$zet' --jobs 1 -o '$out' '$file'")
  read -r qt qc qm < <(measure "'$zet' '$file' | cat > /dev/null")
  row "zet-count -o FILE" "$zt" "$zc" "$zm"
  row "zet-count --jobs 1" "$jt" "$jc" "$jm"
  row "zet-count | cat" "$qt" "$qc" "$qm"
  if [ -n "$base" ]; then
    read -r bt bc bm < <(measure "'$base' -o '$out' '$file'")
    read -r ct cc cm < <(measure "'$base' '$file' | cat > /dev/null")
    row "base -o FILE" "$bt" "$bc" "$bm"
    row "base | cat" "$ct" "$cc" "$cm"
  fi
  read -r pt pc pm < <(measure "tr -cs 'A-Za-z' '\n' < '$file' | tr 'A-Z' 'a-z' | sort | uniq -c | sort -rn")
  read -r wt wc wm < <(measure "wc -w '$file'")
  row "pipeline" "$pt" "$pc" "$pm"
  row "wc -w" "$wt" "$wc" "$wm"
  echo "  zet-count -o FILE / wc -w = $(ratio "$zt" "$wt") wall, $(ratio "$zc" "$wc") cpu"
  echo "  zet-count --jobs 1 / wc -w = $(ratio "$jt" "$wt") wall, $(ratio "$jc" "$wc") cpu"
  echo "  zet-count -o FILE / pipeline = $(ratio "$zt" "$pt") wall"
  if [ -n "$base" ]; then
    echo "  zet-count / base = $(ratio "$zt" "$bt") wall, $(ratio "$zc" "$bc") cpu"
  fi
done
