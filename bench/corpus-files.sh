#!/usr/bin/env bash
# Many small files against one file of the same text: zet-count over a corpus
# of N pieces (split at line ends, so no word is cut) beside the whole file,
# the anchor, in one run. The corpus should count at 80% or more of the
# anchor's speed, and list exactly what the whole file lists.
# Usage: bench/corpus-files.sh ZET_COUNT TEXT [N]   (N defaults to 1000)
set -euo pipefail
zet=$1
text=$2
pieces=${3:-1000}
runs=${ZET_BENCH_RUNS:-5}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/corpus"
split -n "l/$pieces" -a 4 -d "$text" "$tmp/corpus/piece."
cat "$tmp"/corpus/piece.* > "$tmp/whole.txt"  # what the pieces hold, as one file

# Best wall time (seconds) of a command over $runs runs.
best() {
  local best="" t
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s.%N)
    bash -c "$1" >/dev/null 2>&1
    end=$(date +%s.%N)
    t=$(awk "BEGIN{printf \"%.4f\", $end - $start}")
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
  done
  echo "$best"
}

"$zet" "$tmp/whole.txt" > "$tmp/one.list"
"$zet" -r "$tmp/corpus" > "$tmp/many.list"
if cmp -s "$tmp/one.list" "$tmp/many.list"; then same=yes; else same=NO; fi

one=$(best "'$zet' -o '$tmp/out' '$tmp/whole.txt'")
many=$(best "'$zet' -o '$tmp/out' -r '$tmp/corpus'")
ranged=$(best "'$zet' -o '$tmp/out' --range -r '$tmp/corpus'")
mb=$(awk "BEGIN{printf \"%.1f\", $(stat -c %s "$tmp/whole.txt") / 1e6}")
speed() { awk "BEGIN{ if ($2 > 0) printf \"%.0f%%\", 100 * $1 / $2; else print \"-\" }"; }
echo "== $(basename "$text") ($mb MB) as 1 file and as $pieces files, best of $runs"
printf '  %-22s %7.3f s\n' "one file (anchor)" "$one"
printf '  %-22s %7.3f s  speed %s of the anchor\n' "$pieces files" "$many" "$(speed "$one" "$many")"
printf '  %-22s %7.3f s  speed %s of the anchor\n' "$pieces files, --range" "$ranged" "$(speed "$one" "$ranged")"
echo "  same list as the one file: $same"
