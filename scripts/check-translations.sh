#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Fails when a shown text has no translation in either file, or a file keeps one for a text the program
# no longer shows: lupdate reads the sources into copies of translations/*.ts, which must then hold no
# unfinished and no vanished or obsolete message.
# Usage: scripts/check-translations.sh LUPDATE FOLDER...
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate="$1"
shift
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp translations/*.ts "$work"/
"$lupdate" -silent -locations none -I . "$@" -ts "$work"/*.ts
status=0
for ts in "$work"/*.ts; do
  name="$(basename "$ts")"
  if grep -n 'type="unfinished"' "$ts" >/dev/null; then
    echo "$name: untranslated:"
    grep -B1 'type="unfinished"' "$ts" | grep '<source>' | sed 's/^ */  /'
    status=1
  fi
  if grep -n -E 'type="(vanished|obsolete)"' "$ts" >/dev/null; then
    echo "$name: translations of texts no longer shown:"
    grep -B1 -E 'type="(vanished|obsolete)"' "$ts" | grep '<source>' | sed 's/^ */  /'
    status=1
  fi
done
[ $status -ne 0 ] || echo "every shown text is translated in $(ls translations/*.ts | wc -l) files"
exit $status
