#!/usr/bin/env bash
# Prints one checksum per (text, parameter set) of zet-count's list, so two
# builds can be compared byte for byte: run it with each and diff the output.
#   bench/list-checksums.sh ZET_COUNT TEXT...
set -euo pipefail
bin=$1; shift
root=$(cd "$(dirname "$0")/.." && pwd)
sets=(
  ""
  "--order alphabetical --format 8"
  "--allow numerals,apostrophes --keep-final-s"
  "--format 9 --common-words $root/data/cwds_en.txt"
  "--case-sensitive --allow all --min-length 3 --min-count 2"
  "--format 1 --keep-repetitions --keep-roman-numerals --keep-no-vowel --totals"
  "--no-comment-markers --max-length 20 --order alphabetical --format 5"
)
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
for text in "$@"; do
  for set in "${sets[@]}"; do
    # shellcheck disable=SC2086
    "$bin" $set "$text" > "$tmp/out" 2>/dev/null || true
    "$bin" $set -o "$tmp/file" --commas "$text" > /dev/null 2>&1 || true
    printf '%s  %s  [%s]\n' "$(cat "$tmp/out" "$tmp/file" 2>/dev/null | md5sum | cut -c1-32)" "$(basename "$text")" "$set"
    rm -f "$tmp/file"
  done
done
