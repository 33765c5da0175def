#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# What "cmake --install" and the Debian package put on a system, checked with the system's own tools.
# Usage: check.sh CHECK SOURCE_DIR BUILD_DIR
#   desktop    the desktop entry validates
#   metainfo   the AppStream metainfo validates
#   man        the man pages render without warnings
#   options    every option "przelew-render --help" lists is in its man page
#   mime       the MIME package parses, and its magic is what a report file starts with
#   package    the .deb builds, its dependencies resolve, its przelew-render runs, lintian finds no error
# Exits 77 (skipped) with the reason when a tool is missing.
set -euo pipefail
check="$1" source="$2" build="$3"
need() { command -v "$1" >/dev/null || { echo "skipped: $1 is not installed ($2)"; exit 77; }; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work"

case "$check" in
desktop)
  need desktop-file-validate desktop-file-utils
  desktop-file-validate "$source/resources/pl.przelew.Przelew.desktop" ;;
metainfo)
  need appstreamcli appstream
  appstreamcli validate --no-net "$build/resources/pl.przelew.Przelew.metainfo.xml" ;;
man)
  need man man-db
  for page in "$build"/docs/man/*.1; do
    warnings="$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
  done ;;
options)
  need man man-db
  text="$(MANWIDTH=200 man -l "$build/docs/man/przelew-render.1" 2>/dev/null)"
  missing=0
  for option in $("$build/bin/przelew-render" --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -q -- "$option\b" <<<"$text" || { echo "the man page lacks $option"; missing=1; }
  done
  exit $missing ;;
mime)
  need update-mime-database shared-mime-info
  mkdir -p "$work/mime/packages"
  cp "$source/resources/przelew-mime.xml" "$work/mime/packages/przelew.xml"
  update-mime-database "$work/mime" 2>/dev/null
  grep -q '^50:application/x-przelew-report:\*\.rpf$' "$work/mime/globs2" || { echo "no *.rpf glob"; exit 1; }
  # The magic must be what the page store writes first.
  "$build/bin/przelew-render" "$source/tests/data/transfers/sample.txt" "$work/page.rpf" 2>/dev/null
  written="$(head -c 4 "$work/page.rpf" | od -An -tx1 | tr -d ' \n')"
  declared="$(grep -o 'value="[^"]*"' "$source/resources/przelew-mime.xml" | sed 's/value="//; s/"//; s/\\x//g')"
  [ "$written" = "$declared" ] || { echo "a report file starts with $written, the MIME magic says $declared"; exit 1; } ;;
package)
  need lintian lintian
  need dpkg-shlibdeps dpkg-dev
  (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null)
  deb="$(ls "$work"/przelew_*_amd64.deb)"
  grep -q 'fonts-wine' <<<"$(dpkg-deb -f "$deb" Depends)" || { echo "the package does not depend on fonts-wine"; exit 1; }
  # Its dependencies resolve on this system (apt only simulates the installation).
  if command -v apt-get >/dev/null; then
    apt-get -s install "$deb" >"$work/apt.txt" 2>&1 || { cat "$work/apt.txt"; exit 1; }
  fi
  # The installed programs run from the package's files.
  dpkg-deb -x "$deb" "$work/root"
  # The text is read whole first: grep -q leaves at its first match, and the program writing the rest
  # into a closed pipe would fail the line under pipefail.
  usage="$("$work/root/usr/bin/przelew-render" --help 2>/dev/null)" \
    || { echo "the packaged przelew-render does not run"; exit 1; }
  grep -q '^Usage: przelew-render' <<<"$usage" || { echo "the packaged przelew-render gives no usage text"; exit 1; }
  report="$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'root privileges' || true)"
  echo "$report"
  ! grep -q '^E:' <<<"$report" ;;
*)
  echo "unknown check $check" >&2; exit 2 ;;
esac
