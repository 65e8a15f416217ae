#!/bin/sh
# The first command on a fresh Debian machine, which may have nothing but a
# POSIX shell: no make, no compiler, no git. As root it installs make and
# the Debian packages the command needs (apt-get), then runs the Makefile
# target of the same name; otherwise it names the packages to install and
# stops. Developers can call make directly once make is there.
set -eu
cd "$(dirname "$0")"

usage() {
  cat <<'EOF'
Usage: ./zet.sh COMMAND [MAKE-ARGUMENTS...]

  run     install what is missing, build, count the words of data/sample.txt
  test    the same set-up, then every test (normal and sanitizer builds)
  gui     build and start the desktop program (needs Qt 6: qt6-base-dev)
  bench   release build, then the benchmarks in bench/
  limits  huge and hostile inputs (needs about 6.5 GB of free disk)
  fuzz    the fuzz targets, FUZZ_SECONDS each (./zet.sh fuzz FUZZ_SECONDS=20)
  build   install what is missing and build, without running anything
  clean   remove the build folders
  help    this text

As root the missing Debian packages are installed with apt-get; otherwise
the command names them (sudo apt-get install ...) and stops with status 1.
EOF
}

# The package lists live in the Makefile only; read them from there.
packages() { sed -n "s/^$1[[:space:]]*:=[[:space:]]*//p" Makefile; }

command=${1:-help}
[ $# -gt 0 ] && shift
case $command in
  help | -h | --help) usage; exit 0 ;;
  run | test | build | all | test-dev | test-asan) need=$(packages PACKAGES) ;;
  gui) need="$(packages PACKAGES) $(packages GUI_PACKAGES)" ;;
  bench | limits) need="$(packages PACKAGES) $(packages BENCH_PACKAGES)" ;;
  fuzz) need="$(packages PACKAGES) $(packages FUZZ_PACKAGES)" ;;
  clean | deps | gui-deps) need= ;;
  *)
    echo "zet.sh: unknown command '$command'" >&2
    usage >&2
    exit 2
    ;;
esac

if ! command -v dpkg-query >/dev/null 2>&1; then
  echo "zet.sh: this is not a Debian-like system (no dpkg-query)." >&2
  echo "Install by hand: make $need, then run: make $command" >&2
  exit 1
fi

# shellcheck disable=SC2086 # $need is a list of package names
if ! sh scripts/ensure-packages.sh make $need; then
  case $(id -u):$command in
    0:*) ;;
    *:run | *:test | *:build | *:all)
      gui=$(packages GUI_PACKAGES)
      sh scripts/ensure-packages.sh $gui 2>/dev/null ||
        echo "Optional, for the desktop program: sudo apt-get install $gui" >&2
      ;;
  esac
  exit 1
fi

exec make "$command" "$@"
