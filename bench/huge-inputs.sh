#!/usr/bin/env bash
# The limits of one count, measured on synthetic inputs whose exact result
# is known (bench/make-inputs.py): each case is checked, then its wall time
# and peak memory are reported.
#
#   huge      a text of ZET_HUGE_BYTES (default 5 GB) with 3,000 different
#             words: byte positions pass 32 bits, progress must reach its end
#   no-break  ZET_NOLINE_BYTES (default 1 GB) of words and no line break
#   distinct  ZET_DISTINCT_WORDS (default 10 million) different words
#
# Usage: bench/huge-inputs.sh BUILD_DIR [CASE...]
# The inputs go to ZET_HUGE_DIR (default BUILD_DIR/huge-data) and are
# removed afterwards unless ZET_KEEP_INPUTS=1. Needs about 6.5 GB of disk.
set -euo pipefail
build=${1:-build/release}
shift || true
cases=${*:-huge no-break distinct}
here=$(cd "$(dirname "$0")" && pwd)
zet=$build/bin/zet-count
work=${ZET_HUGE_DIR:-$build/huge-data}
make_inputs="python3 $here/make-inputs.py"
mkdir -p "$work"
[ -x "$zet" ] || { echo "no $zet: build it first" >&2; exit 1; }

cleanup() { [ "${ZET_KEEP_INPUTS:-0}" = 1 ] || rm -f "$1"; }
failures=0
fail() { echo "  FAILED: $*"; failures=$((failures + 1)); }

# Runs a command under /usr/bin/time -v; prints its wall time and peak
# memory and leaves its standard output in $work/out.txt.
measure() {
  local timing=$work/time.txt
  /usr/bin/time -v -o "$timing" "$@" > "$work/out.txt"
  local wall rss
  wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$timing")
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$timing")
  printf '  wall %s   peak %.1f MiB\n' "$wall" "$(awk "BEGIN{print $rss/1024}")"
}

size_of() { printf '%.2f GB' "$(awk "BEGIN{print $(stat -c %s "$1")/1e9}")"; }

# "word count" lines of a format-7 listing, every count times $2, sorted.
scaled() { awk -v k="$2" 'NF == 2 && $2 ~ /^[0-9]+$/ { print $1, $2 * k }' "$1" | LC_ALL=C sort; }
counts() { awk 'NF == 2 && $2 ~ /^[0-9]+$/ { print $1, $2 }' "$1" | LC_ALL=C sort; }
total_line() { sed -n 's/^Total number of words in file: *//p' "$1" | tr -d ','; }

# Every word of the generated texts is listed under these rules.
list_all=(--keep-repetitions --keep-roman-numerals --keep-no-vowel --no-min-count)

case_huge() {
  local bytes=${ZET_HUGE_BYTES:-5000000000}
  local block=$work/block.txt text=$work/huge.txt copies
  echo "== huge: $bytes bytes, 3,000 different words"
  $make_inputs block "$block"
  copies=$($make_inputs repeat "$block" "$text" "$bytes")
  echo "  $(size_of "$text"), $copies copies of a $(stat -c %s "$block")-byte block"
  "$zet" "${list_all[@]}" --format 7 --totals "$block" > "$work/block.out"
  measure "$zet" "${list_all[@]}" --format 7 --totals "$text"
  cp "$work/out.txt" "$work/huge.out"
  cmp -s <(scaled "$work/block.out" "$copies") <(counts "$work/huge.out") ||
    fail "the counts are not $copies times the block's"
  local expected=$(( $(total_line "$work/block.out") * copies ))
  [ "$(total_line "$work/huge.out")" = "$expected" ] ||
    fail "total words $(total_line "$work/huge.out"), expected $expected"
  echo "  total words: $expected (checked)"
  # The progress bar is drawn on a terminal only: give it one, and look for
  # the full bar among the frames drawn.
  local full
  full="[$(printf '%.0s-' $(seq 36))>]"
  script -qec "'$zet' -o /dev/null '$text'" "$work/progress.txt" > /dev/null
  if grep -qF -- "$full" "$work/progress.txt"; then
    echo "  progress bar reached its end (checked)"
  else
    fail "the progress bar did not reach its end"
  fi
  cleanup "$text"
}

case_no_break() {
  local bytes=${ZET_NOLINE_BYTES:-1000000000}
  local text=$work/no-break.txt copies
  echo "== no-break: $bytes bytes without a line break"
  copies=$($make_inputs noline "$text" "$bytes")
  echo "  $(size_of "$text"), 1,000 different words, each $copies times"
  measure "$zet" "${list_all[@]}" --format 7 --totals "$text"
  local wrong
  wrong=$(awk -v k="$copies" 'NF == 2 && $2 ~ /^[0-9]+$/ && $2 != k' "$work/out.txt" | wc -l)
  [ "$(counts "$work/out.txt" | wc -l)" = 1000 ] || fail "not 1,000 words listed"
  [ "$wrong" = 0 ] || fail "$wrong words not counted $copies times"
  [ "$(total_line "$work/out.txt")" = $((copies * 1000)) ] || fail "wrong total"
  echo "  1,000 words, each $copies times (checked)"
  cleanup "$text"
}

case_distinct() {
  local n=${ZET_DISTINCT_WORDS:-10000000}
  local text=$work/distinct10m.txt
  echo "== distinct: $n different words"
  $make_inputs distinct "$text" "$n"
  echo "  $(size_of "$text")"
  measure "$zet" "${list_all[@]}" --order alphabetical --format 8 "$text"
  # The list must be exactly the words, in byte order.
  if cmp -s <(tail -n +2 "$work/out.txt" | sed 's/^ *//') \
            <(tr ' ' '\n' < "$text" | LC_ALL=C sort); then
    echo "  $n words listed once each, in order (checked)"
  else
    fail "the list is not the $n words in byte order"
  fi
  cleanup "$text"
}

for c in $cases; do
  "case_${c//-/_}"
done
rm -f "$work/out.txt" "$work/time.txt"
[ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
