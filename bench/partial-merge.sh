#!/usr/bin/env bash
# Merging partial counts: 100 partial counts of 100,000 words each, merged
# by one zet-count --merge into a list and into a partial count, beside the
# one-pass count of the same text (the anchor). Two corpora: slices of a
# real text (a vocabulary of thousands, most words in every partial) and
# generated words, 100,000 different words a partial, half shared with the
# next partial (the hard case: ten times as many entries to merge).
# Usage: bench/partial-merge.sh ZET_COUNT TEXT
set -euo pipefail
zet=$1
text=$2
parts=${ZET_BENCH_PARTS:-100}
words=${ZET_BENCH_WORDS:-100000}
runs=${ZET_BENCH_RUNS:-3}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# Best wall time (seconds) and peak memory (KiB) of a command over $runs runs.
measure() {
  local best="" mem=0 line t m
  for _ in $(seq "$runs"); do
    /usr/bin/time -o "$dir/timing" -f "%e %M" bash -c "$1" >/dev/null 2>&1 || { echo "failed: $1" >&2; exit 1; }
    line=$(tail -n 1 "$dir/timing")
    t=${line% *}
    m=${line#* }
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
    [ "$m" -gt "$mem" ] && mem=$m
  done
  echo "$best s, $((mem / 1024)) MiB"
}

python3 - "$text" "$dir" "$parts" "$words" <<'PY'
import sys
text, folder, parts, words = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
real = open(text, encoding="utf-8", errors="replace").read().split()
for i in range(parts):
    start = (i * words) % max(1, len(real) - words)
    with open("%s/real%03d.txt" % (folder, i), "w", encoding="utf-8") as f:
        for j in range(0, words, 12):
            f.write(" ".join(real[start + j:start + min(j + 12, words)]) + "\n")
    with open("%s/gen%03d.txt" % (folder, i), "w", encoding="utf-8") as f:
        base = i * words // 2
        for j in range(0, words, 12):
            f.write(" ".join("w" + "".join(chr(97 + (n // 26 ** k) % 26) for k in range(5))
                             for n in range(base + j, base + min(j + 12, words))) + "\n")
PY

for corpus in real gen; do
  files=$(ls "$dir"/$corpus*.txt)
  i=0
  for f in $files; do
    "$zet" --partial "${f%.txt}.part" --source $i "$f"
    i=$((i + 1))
  done
  # shellcheck disable=SC2086
  cat $files > "$dir/$corpus-all.txt"
  entries=$(cat "$dir"/$corpus*.part | grep -c $'\t')
  size=$(du -cm "$dir"/$corpus*.part | tail -1 | cut -f1)
  "$zet" --merge "$dir"/$corpus*.part -o "$dir/merged.lst"
  "$zet" "$dir/$corpus-all.txt" -o "$dir/one.lst"
  cmp -s "$dir/merged.lst" "$dir/one.lst" || { echo "$corpus: the merged list differs from one count" >&2; exit 1; }
  echo "$corpus: $parts partial counts of $words words, $entries entries, $size MiB"
  echo "  merge to a list      $(measure "'$zet' --merge '$dir'/$corpus*.part -o '$dir/merged.lst'")"
  echo "  merge to a partial   $(measure "'$zet' --merge '$dir'/$corpus*.part --partial '$dir/merged.part'")"
  echo "  one count (anchor)   $(measure "'$zet' '$dir/$corpus-all.txt' -o '$dir/one.lst'")"
done
