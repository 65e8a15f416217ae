#!/bin/sh
# The pipeline of Hadoop streaming, run locally: map, sort by key bytes,
# reduce, list; the list must be the one-pass count's, byte for byte.
# Usage: map-sort-reduce-test.sh ZET-COUNT SOURCE-DIR
set -eu
zet=$1
src=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
files=$(python3 "$src/tests/scale-out/make-texts.py" "$dir" 6)
cp "$src/data/sample.txt" "$dir/sample.txt"
files="$files $dir/sample.txt"
for options in "" "--format 8 --order alphabetical" "--min-count 3 --totals"; do
  # shellcheck disable=SC2086
  cat $files | "$zet" $options > "$dir/one.txt"
  # shellcheck disable=SC2086
  cat $files | "$zet" --map | LC_ALL=C sort | "$zet" --reduce \
    | "$zet" --reduce --list $options > "$dir/merged.txt"
  if ! cmp -s "$dir/one.txt" "$dir/merged.txt"; then
    echo "map | sort | reduce differs from one count with options '$options':"
    diff "$dir/one.txt" "$dir/merged.txt" | head -20
    exit 1
  fi
  # One mapper a file, as an engine runs them, each with its ordinal.
  i=0
  for f in $files; do
    "$zet" --map --source $i "$f"
    i=$((i + 1))
  done | LC_ALL=C sort | "$zet" --reduce | "$zet" --reduce --list $options > "$dir/merged.txt"
  if ! cmp -s "$dir/one.txt" "$dir/merged.txt"; then
    echo "a map a file | sort | reduce differs from one count with options '$options':"
    diff "$dir/one.txt" "$dir/merged.txt" | head -20
    exit 1
  fi
done
echo "map | sort | reduce lists as one count"
