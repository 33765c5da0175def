#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the Debian packages of scripts/packages.txt that this release needs and configures and builds
# the project in build/.
#
#   scripts/setup.sh start   the program and przelew-render only, with the packages to build them
#   scripts/setup.sh test    everything: tests, benchmarks, checks, with every package of the list
set -euo pipefail
cd "$(dirname "$0")/.."

purpose=${1:-test}
case $purpose in
start | test) ;;
*) echo "usage: $0 start|test" >&2; exit 2 ;;
esac

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# The release's code name (bookworm, trixie) picks the lines marked for it.
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")

# A line is a package and its marks: [test] only for the tests, [CODENAME] only on that release.
packages=$(awk -v release="$release" -v purpose="$purpose" '
  /^[[:space:]]*(#|$)/ { next }
  {
    keep = 1
    for (i = 2; i <= NF; i++) {
      mark = $i; gsub(/[][]/, "", mark)
      if (mark == "test") { if (purpose != "test") keep = 0 }
      else if (mark != release) keep = 0
    }
    if (keep) print $1
  }' scripts/packages.txt)
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi

# Under CI (CI=true) every compiler warning is an error.
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi
if [ "$purpose" = start ]; then
  # Only what the start command runs (the tests' packages may not be there), optimised as the tests are
  # but without debug information, on one precompiled header: the window comes up in half the time.
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DPRZELEW_WERROR=$werror -DPRZELEW_TESTS=OFF -DPRZELEW_BENCH=OFF -DPRZELEW_PCH=ON
  cmake --build build -j2 --target przelew przelew-render
else
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPRZELEW_WERROR=$werror -DPRZELEW_TESTS=ON -DPRZELEW_BENCH=ON -DPRZELEW_PCH=OFF
  cmake --build build -j2
fi
