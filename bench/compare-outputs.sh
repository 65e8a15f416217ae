#!/usr/bin/env bash
# Byte-identity of two builds: runs each zet-count on each file with several
# parameter sets, to standard output and to an output file, and compares
# the md5 sums. Usage: bench/compare-outputs.sh OLD_ZET_COUNT NEW_ZET_COUNT FILE...
# Prints one line per case; exits 1 when any output differs.
set -euo pipefail
old=$1
new=$2
shift 2
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cases=(
  ""
  "--order alphabetical --format 8"
  "--allow numerals,apostrophes --keep-final-s"
  "--format 9 --common-words $here/data/cwds_en.txt"
  "--commas --totals"
  "--order alphabetical --commas --format 1"
  "--case-sensitive --allow all --keep-repetitions --no-min-count --format 7"
)

sum_of() {  # zet-count, file, options, "stdout" or "file"
  local zet=$1 file=$2 opts=$3 target=$4
  # shellcheck disable=SC2086  # the options are words
  if [ "$target" = stdout ]; then
    "$zet" $opts "$file" | md5sum | cut -c1-32
  else
    "$zet" $opts -o "$work/out" "$file" > /dev/null
    md5sum < "$work/out" | cut -c1-32
  fi
}

failures=0
for file in "$@"; do
  for opts in "${cases[@]}"; do
    for target in stdout file; do
      a=$(sum_of "$old" "$file" "$opts" "$target")
      b=$(sum_of "$new" "$file" "$opts" "$target")
      if [ "$a" = "$b" ]; then verdict=same; else verdict=DIFFERENT; failures=$((failures + 1)); fi
      printf '%-9s %s  %-16s %-6s %s\n' "$verdict" "$a" "$(basename "$file")" "$target" "${opts:-(default)}"
    done
  done
done
[ "$failures" = 0 ] || { echo "$failures output(s) differ"; exit 1; }
