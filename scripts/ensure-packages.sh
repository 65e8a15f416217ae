#!/bin/sh
# Installs the named Debian packages that are missing. As root it uses
# apt-get; otherwise it lists what is missing and fails, so that nobody
# builds against a half-installed machine by accident. Plain POSIX sh:
# it runs before anything else is installed (./zet.sh calls it too).
set -eu

missing=
for pkg in "$@"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null) || status=
  case $status in
    *"install ok installed"*) ;;
    *) missing="$missing $pkg" ;;
  esac
done
missing=${missing# }
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages: $missing" >&2
  echo "Install them with: sudo apt-get install $missing" >&2
  exit 1
fi

echo "Installing: $missing"
export DEBIAN_FRONTEND=noninteractive
# A machine that never ran apt-get update (a fresh container or chroot) has
# no package lists; old lists may name files the mirror no longer has. So
# update first when there are no lists, and once more when the install fails.
lists=$(find /var/lib/apt/lists -maxdepth 1 -name '*_Packages*' 2>/dev/null | head -n 1)
[ -n "$lists" ] || apt-get update -qq
# shellcheck disable=SC2086 # $missing is a list of package names
apt-get install -y -qq --no-install-recommends $missing ||
  { apt-get update -qq && apt-get install -y -qq --no-install-recommends $missing; }
