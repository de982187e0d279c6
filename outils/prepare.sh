#!/bin/sh
# Installs what building rythme needs, when it is missing:
#   outils/prepare.sh          g++, CMake (3.25 or later) and make: the checker
#   outils/prepare.sh --tests  the same, and what the tests need: GoogleTest,
#                              python3 (the console tests), strace (the
#                              output-timing tests watch write calls), groff
#                              (the manual page's test), and on a system of
#                              Debian packages dpkg-shlibdeps and file (with
#                              which the package's test finds the libraries
#                              the program needs)
# On Debian and Ubuntu it asks apt-get for what is absent, through sudo when
# not run as root; elsewhere it says what to install. Nothing present is
# touched, so that it costs nothing on a machine already set up.
set -eu

tests=non
case "${1-}" in
  "") ;;
  --tests) tests=oui ;;
  *) echo "usage: outils/prepare.sh [--tests]" >&2; exit 2 ;;
esac

a() { command -v "$1" >/dev/null 2>&1; }

# Each missing piece as a Debian package, and as what it is, for the others.
paquets=""
noms=""
manque() { paquets="$paquets $1"; noms="$noms, $2"; }

a g++ || manque g++ "g++ (12 or later)"
a make || manque make "make"
if ! a cmake; then
  manque cmake "CMake (3.25 or later)"
else
  version=$(cmake --version | sed -n '1s/^cmake version \([0-9]*\.[0-9]*\).*/\1/p')
  majeure=${version%.*}
  mineure=${version#*.}
  if [ -z "$version" ] || [ "$majeure" -lt 3 ] || { [ "$majeure" -eq 3 ] && [ "$mineure" -lt 25 ]; }; then
    echo "outils/prepare.sh: $(command -v cmake) is CMake ${version:-of an unknown version}; rythme needs 3.25 or later." >&2
    echo "Install a newer one (a newer release of your system, its backports, or 'pipx install cmake') and run the command again." >&2
    exit 1
  fi
fi
if [ "$tests" = oui ]; then
  [ -f /usr/include/gtest/gtest.h ] || [ -f /usr/local/include/gtest/gtest.h ] || manque libgtest-dev "GoogleTest"
  a python3 || manque python3 "python3"
  a strace || manque strace "strace"
  a groff || manque groff-base "groff"
  if a dpkg-deb; then
    a dpkg-shlibdeps || manque dpkg-dev "dpkg-dev (dpkg-shlibdeps)"
    a file || manque file "file"
  fi
fi

[ -z "$paquets" ] && exit 0

if ! a apt-get || ! a dpkg; then
  echo "outils/prepare.sh: missing here: ${noms#, }." >&2
  echo "This system has no apt-get: install them with its package manager, then run the command again." >&2
  exit 1
fi

if [ "$(id -u)" -eq 0 ]; then
  root=""
elif a sudo; then
  root=sudo
else
  echo "outils/prepare.sh: missing here: ${noms#, }; installing them needs root, and sudo is not installed." >&2
  echo "As root, run: apt-get install$paquets" >&2
  exit 1
fi

# apt-get's account of each package unpacked is shown only if it fails.
echo "outils/prepare.sh: installing$paquets (apt-get)"
journal=$(mktemp)
trap 'rm -f "$journal"' EXIT
if ! $root env DEBIAN_FRONTEND=noninteractive apt-get update -qq > "$journal" 2>&1 ||
   ! $root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $paquets > "$journal" 2>&1; then
  cat "$journal" >&2
  echo "outils/prepare.sh: apt-get could not install$paquets" >&2
  exit 1
fi
