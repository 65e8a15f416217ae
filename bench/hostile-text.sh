#!/usr/bin/env bash
# Hostile texts at two sizes: each must count without failing, and the
# larger must take about twice as long as the smaller (linear work).
#
#   ampersands    one line of "&" in an HTML file (entity look-ahead)
#   angles        one line of "<" in an HTML file (tags never closed)
#   openers       one line of "/* " in a C file (nested-looking comments)
#   user-markers  "(( (( word )) " repeated on one line, user markers (( ))
#   entities      entity-like sequences of every length up to 25, HTML
#   bytes         every byte value in every position of a short word
#
# Usage: bench/hostile-text.sh BUILD_DIR [MB]   (MB: the smaller size,
# default 100; the larger is twice it). Prints, per size, the wall time, the
# processor time of the program itself (user time: steadier than wall time
# on a shared machine, and free of the kernel's work of supplying memory)
# and the peak memory, then the ratio of the two user times.
set -euo pipefail
build=${1:-build/release}
mb=${2:-100}
here=$(cd "$(dirname "$0")" && pwd)
zet=$build/bin/zet-count
work=${ZET_HOSTILE_DIR:-$build/hostile-data}
mkdir -p "$work"
[ -x "$zet" ] || { echo "no $zet: build it first" >&2; exit 1; }
trap 'rm -f "$work"/hostile-* "$work/time.txt"' EXIT

# The file name chooses HTML or C comment handling, as for any input.
name_of() {
  case $1 in
    ampersands | angles | entities) echo "hostile-$1-$2.html" ;;
    openers) echo "hostile-$1-$2.c" ;;
    *) echo "hostile-$1-$2.txt" ;;
  esac
}
options_of() {
  case $1 in
    user-markers) echo "--comment-markers (( ))" ;;
    *) echo "" ;;
  esac
}

# Wall seconds, user seconds and peak KiB of one count.
run() {
  # shellcheck disable=SC2046  # the options are words
  /usr/bin/time -o "$work/time.txt" -f "%e %U %M" "$zet" $(options_of "$1") -o /dev/null "$2" >/dev/null \
    2>/dev/null || { echo "FAILED: $1 ($2)" >&2; exit 1; }
  tail -n 1 "$work/time.txt"
}

printf '%-13s %-28s %-28s %s\n' text "$mb MB: wall, user, peak" "$((2 * mb)) MB: wall, user, peak" "user ratio"
for kind in ampersands angles openers user-markers entities bytes; do
  results=()
  for size in "$mb" $((2 * mb)); do
    file=$work/$(name_of "$kind" "$size")
    python3 "$here/make-inputs.py" hostile "$kind" "$file" $((size * 1000000)) > /dev/null
    read -r wall user kib < <(run "$kind" "$file")
    results+=("$wall" "$user" "$kib")
    rm -f "$file"
  done
  printf '%-13s %5.2f s %5.2f s %5d MiB    %5.2f s %5.2f s %5d MiB    %s\n' "$kind" \
    "${results[0]}" "${results[1]}" $((results[2] / 1024)) \
    "${results[3]}" "${results[4]}" $((results[5] / 1024)) \
    "$(awk "BEGIN{ if (${results[1]} > 0) printf \"%.2f\", ${results[4]} / ${results[1]}; else print \"-\" }")"
done

# The Unicode word model, through zet_unicode_bench (one count per file):
#   u-huge-word  Cyrillic letters without a break, one line
#   u-marks      "a" and then combining acute accents without end, one line
#   u-no-spaces  Chinese words without spaces or punctuation, one line
ubench=$build/bin/zet_unicode_bench
if [ -x "$ubench" ]; then
  unicode_text() {
    python3 - "$1" "$2" "$3" <<'PY'
import sys
kind, out, total = sys.argv[1], sys.argv[2], int(sys.argv[3])
unit = {"u-huge-word": "яблоко" * 1000,
        "u-marks": "a" + "\u0301" * 5000,
        "u-no-spaces": "我们中国发展经济社会人民政府国家工作问题建设企业市场技术"}[kind].encode()
with open(out, "wb") as f:
    for _ in range(-(-total // len(unit))):
        f.write(unit)
PY
  }
  for kind in u-huge-word u-marks u-no-spaces; do
    row=()
    for size in "$mb" $((2 * mb)); do
      file=$work/hostile-$kind-$size.txt
      unicode_text "$kind" "$file" $((size * 1000000))
      /usr/bin/time -o "$work/time.txt" -f "%e %U %M" "$ubench" --unicode-only "$file" >/dev/null \
        2>/dev/null || { echo "FAILED: $kind ($file)" >&2; exit 1; }
      row+=($(tail -n 1 "$work/time.txt"))
      rm -f "$file"
    done
    # Same columns as above: wall, user and peak per size, then the user ratio.
    echo "$kind ${row[*]}" | awk '{ printf "%-13s %5.2f s %5.2f s %5d MiB    %5.2f s %5.2f s %5d MiB    %s\n",
      $1, $2, $3, $4 / 1024, $5, $6, $7 / 1024, ($3 > 0 ? sprintf("%.2f", $6 / $3) : "-") }'
  done
fi
