#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Fails when a library folder includes a folder it may not depend on. Includes point one way:
# platform is the floor, app and tools the top, and tools never include app. The windows may take
# artwork from resources/
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [platform]=""
  [emf]="platform"
  [data]="platform"
  [transfer]="data platform"
  [report]="emf platform"
  [printout]="report transfer data emf platform"
  [preview]="report emf platform resources"
  [app]="preview printout report transfer data emf platform resources"
  [tools]="preview printout report transfer data emf platform"
)

violations=0
checked=0
for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  while IFS= read -r file; do
    checked=$((checked + 1))
    while IFS= read -r target; do
      [ "$target" = "$folder" ] && continue
      case " ${allowed[$folder]} " in
        *" $target "*) ;;
        *)
          echo "$file includes $target/, which $folder/ may not depend on"
          violations=$((violations + 1))
          ;;
      esac
    done < <(sed -n -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([a-z]+)\/.*/\1/p' "$file" | sort -u)
  done < <(find "$folder" -name '*.cpp' -o -name '*.h' | sort)
done

# The engine and everything below it draw and print without windows: no header of Qt's widget module
# (nor the print dialogs) in emf/, data/, transfer/ or report/; platform/ shows the one error box.
widgets_dir=$(ls -d /usr/include/*/qt6/QtWidgets /usr/include/qt6/QtWidgets 2>/dev/null | head -n 1 || true)
if [ -n "$widgets_dir" ]; then
  for folder in emf data transfer report; do
    [ -d "$folder" ] || continue
    while IFS=: read -r file header; do
      if [ -e "$widgets_dir/$header" ] || [[ "$header" =~ ^(QPrintDialog|QAbstractPrintDialog|QPageSetupDialog|QPrintPreviewDialog|QPrintPreviewWidget)$ ]]; then
        echo "$file includes <$header>, a widget header, which $folder/ may not use"
        violations=$((violations + 1))
      fi
    done < <(grep -H -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+<Q[A-Za-z]+>' $(find "$folder" -name '*.cpp' -o -name '*.h') \
               | sed -E 's/^([^:]+):.*<(Q[A-Za-z]+)>/\1:\2/')
  done
fi

if [ "$violations" -gt 0 ]; then
  echo "$violations include(s) against the layering in $checked files"
  exit 1
fi
echo "includes point one way: $checked files checked"
