#!/usr/bin/env bash
# Hash flooding: a text of sixteen-letter words whose hashes under the word
# table's former, unkeyed hash share their top 16 bits, beside a text of
# random words of the same shape (same number of different words, same
# size, same arrangement). With the old hash every lookup walked one cluster
# of thousands of slots (quadratic work); the keyed hash must count both
# texts in about the same time.
#
# Usage: bench/hostile-hash.sh BUILD_DIR [OLD_ZET_COUNT]
#   OLD_ZET_COUNT  a build from before the keyed hash, timed beside it
# Environment: ZET_HOSTILE_WORDS (30000), ZET_HOSTILE_MB (10), ZET_BENCH_RUNS (3).
# Prints the best processor time of each count and the ratio hostile / random.
# Crafting the words takes about a minute of processor time.
set -euo pipefail
build=${1:-build/release}
old=${2:-}
words=${ZET_HOSTILE_WORDS:-30000}
mb=${ZET_HOSTILE_MB:-10}
runs=${ZET_BENCH_RUNS:-3}
zet=$build/bin/zet-count
gen=$build/bin/zet_hostile_words
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for tool in "$zet" "$gen"; do [ -x "$tool" ] || { echo "no $tool: build it first" >&2; exit 1; }; done

# The word list repeated, twelve words to a line, up to $mb megabytes.
make_text() {
  awk -v limit=$((mb * 1000000)) '
    { w[NR] = $0 }
    END {
      size = 0; k = 0
      while (size < limit) {
        for (i = 1; i <= NR && size < limit; i++) {
          printf "%s%s", w[i], (++k % 12 == 0 ? "\n" : " ")
          size += length(w[i]) + 1
        }
      }
      print ""
    }' "$1" > "$2"
}

"$gen" colliding "$words" 16 > "$work/colliding.words"
"$gen" random "$words" > "$work/random.words"
make_text "$work/colliding.words" "$work/hostile.txt"
make_text "$work/random.words" "$work/random.txt"

# Best processor seconds of a count over $runs runs: perf's task clock
# (milliseconds) when perf can be used, else the user time of time(1).
cpu_time() {
  local best="" t
  for _ in $(seq "$runs"); do
    if perf stat -x, -e task-clock -o "$work/time" "$1" -o /dev/null "$2" > /dev/null 2>&1; then
      t=$(awk -F, '/task-clock/ { printf "%.3f", $1 / 1000 }' "$work/time")
    else
      /usr/bin/time -o "$work/time" -f "%U" "$1" -o /dev/null "$2" > /dev/null
      t=$(tail -n 1 "$work/time")
    fi
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
  done
  echo "$best"
}

printf '%s different sixteen-letter words, %s MB of text, best of %s\n' "$words" "$mb" "$runs"
for program in "$zet" $old; do
  random=$(cpu_time "$program" "$work/random.txt")
  hostile=$(cpu_time "$program" "$work/hostile.txt")
  printf '  %-40s random %7.3f s   colliding %8.3f s   ratio %s\n' "$program" "$random" "$hostile" \
    "$(awk "BEGIN{ if ($random > 0) printf \"%.2f\", $hostile / $random; else print \"-\" }")"
done
