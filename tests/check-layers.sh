#!/usr/bin/env bash
# Checks the layers: every #include "folder/..." in a layer's files names
# its own folder or one below it, and no Qt header appears outside
# platform/qt, desktop/ and the GUI tests.
#   tests/check-layers.sh SOURCE_DIR     check the tree
#   tests/check-layers.sh --self-test    show that an upward include and a
#                                        stray Qt header are caught
set -euo pipefail

# A layer and the folders it may include, its own first.
layers=(
  "scanner:scanner"
  "results:results scanner"
  "params:params results scanner"
  "engine:engine params unicode results scanner"
  "unicode:unicode results scanner"
  "platform:platform"
  "windows:windows engine params results scanner unicode platform"
  "platform/headless:platform/headless platform"
  "platform/qt:platform/qt platform"
  "cli:cli engine params results scanner unicode"
  "desktop:desktop windows engine params results scanner unicode platform/qt platform"
)
# Our folders as an include in angle brackets may name them too (the
# source root is on the include path). ICU's headers live in a "unicode"
# folder of their own, so that name is checked only in quotes.
ours='scanner|results|params|engine|platform|windows|cli|desktop'
# Where a Qt header may appear.
qt_allowed='^(platform/qt|desktop|tests/gui)/'

check() {
  local root=$1 failed=0 layer allowed file inc top ok a
  cd "$root"
  for entry in "${layers[@]}"; do
    layer=${entry%%:*}
    allowed=${entry#*:}
    [ -d "$layer" ] || continue
    # Files directly in the folder: platform/ does not own platform/qt.
    for file in "$layer"/*.h "$layer"/*.cpp; do
      [ -e "$file" ] || continue
      while IFS= read -r inc; do
        top=${inc%/*}
        ok=0
        for a in $allowed; do [ "$top" = "$a" ] && ok=1; done
        if [ $ok -eq 0 ]; then
          echo "$file includes \"$inc\": $layer may include only $allowed"
          failed=1
        fi
      done < <(sed -nE -e 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+\/[^"]+)".*/\1/p' \
                       -e "s/^[[:space:]]*#[[:space:]]*include[[:space:]]*<(($ours)\/[^>]+)>.*/\1/p" "$file")
    done
  done
  while IFS= read -r file; do
    if ! [[ $file =~ $qt_allowed ]]; then
      echo "$file includes a Qt header: Qt belongs in platform/qt and desktop/"
      failed=1
    fi
  done < <(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]Q[A-Za-z]*(/|>|")' \
             --include='*.h' --include='*.cpp' . 2>/dev/null | sed 's#^\./##' | grep -v '^build/' || true)
  return $failed
}

if [ "${1:-}" = "--self-test" ]; then
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  mkdir -p "$tmp/scanner" "$tmp/engine" "$tmp/windows"
  echo '#include "scanner/Low.h"' > "$tmp/engine/Good.cpp"
  check "$tmp" > /dev/null || { echo "self-test: a downward include was refused"; exit 1; }
  echo '#include "engine/High.h"' > "$tmp/scanner/Bad.cpp"
  if (check "$tmp" > /dev/null); then echo "self-test: an upward include passed"; exit 1; fi
  echo '#include <windows/frmMain.h>' > "$tmp/scanner/Bad.cpp"
  if (check "$tmp" > /dev/null); then echo "self-test: an upward <include> passed"; exit 1; fi
  rm "$tmp/scanner/Bad.cpp"
  echo '#include <sys/stat.h>' > "$tmp/scanner/System.cpp"
  check "$tmp" > /dev/null || { echo "self-test: a system header was refused"; exit 1; }
  echo '#include <QString>' > "$tmp/windows/Qt.cpp"
  if (check "$tmp" > /dev/null); then echo "self-test: a Qt header in windows/ passed"; exit 1; fi
  echo "self-test: upward includes and stray Qt headers are caught"
  exit 0
fi

if check "$1"; then
  echo "every include goes down a layer; Qt only in platform/qt and desktop/"
else
  exit 1
fi
