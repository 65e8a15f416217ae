#!/usr/bin/env bash
# Fails when a Qt header is included outside platform/qt and the desktop
# program's main.
set -euo pipefail
cd "$1"
hits=$(grep -rlE '#\s*include\s*[<"]Q[A-Za-z]*(/|>|")' \
         --include='*.h' --include='*.cpp' \
         scanner results params app platform cli desktop tests 2>/dev/null \
       | grep -vE '^(platform/qt/|tests/gui/|desktop/main\.cpp$)' || true)
if [ -n "$hits" ]; then
  echo "Qt headers outside platform/qt:"
  echo "$hits"
  exit 1
fi
echo "no Qt headers outside platform/qt"
