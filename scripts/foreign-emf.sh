#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Measures how the program draws metafiles that other programs wrote: every file of the shared corpus
# (../shared/corpus/foreign-emf.tar.xz) is drawn with przelew-render and with LibreOffice, both images are
# trimmed of their white border and scaled to 256 x 256, and the two agree when their normalised RMS
# difference is below 0.15. Prints how many agree, differ and are refused, each file's verdict, the
# slowest file and the largest peak memory.
#
# Usage: scripts/foreign-emf.sh [BUILD_FOLDER, default build] [WORK_FOLDER, default a new temporary one]
# Skips (exit 77) where the corpus, LibreOffice or ImageMagick is absent; the corpus is never copied
# into the repository.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
corpus="$root/../shared/corpus/foreign-emf.tar.xz"
[ -f "$corpus" ] || { echo "no corpus at $corpus"; exit 77; }
command -v soffice >/dev/null || { echo "LibreOffice (soffice) is not installed"; exit 77; }
command -v compare >/dev/null || { echo "ImageMagick is not installed"; exit 77; }
render="$build/bin/przelew-render"
work="${2:-$(mktemp -d)}"
mkdir -p "$work/files" "$work/ours" "$work/theirs" "$work/cmp"
[ -d "$work/files/foreign-emf" ] || tar -xJf "$corpus" -C "$work/files"

# LibreOffice's drawing of every file, once.
mapfile -t files < <(cd "$work/files" && find foreign-emf -type f -iname '*.emf' | sort)
for f in "${files[@]}"; do
  name="${f//\//_}"
  name="${name%.*}"
  [ -f "$work/theirs/$name.png" ] && continue
  mkdir -p "$work/lo"
  cp "$work/files/$f" "$work/lo/$name.emf"
done
if [ -d "$work/lo" ]; then
  (cd "$work/lo" && timeout 1800 soffice --headless --convert-to png --outdir "$work/theirs" ./*.emf \
    >/dev/null 2>&1 || true)
  rm -rf "$work/lo"
fi

# 256 x 256 without the white border; a picture with nothing on it stays blank.
normalise() { convert "$1" -background white -alpha remove -alpha off -fuzz 2% -trim +repage \
  -resize '256x256!' -colorspace sRGB -type TrueColor "$2" 2>/dev/null; }

agree=0 differ=0 refused=0 nolo=0 slowest=0 slowest_file="" peak=0 peak_file=""
report="$work/report.txt"
: > "$report"
for f in "${files[@]}"; do
  name="${f//\//_}"
  name="${name%.*}"
  ours="$work/ours/$name.png"
  start=$(date +%s%N)
  set +e
  /usr/bin/time -f '%M' -o "$work/cmp/$name.mem" timeout 60 \
    env QT_QPA_PLATFORM=offscreen "$render" "$work/files/$f" "$ours" >"$work/cmp/$name.out" 2>&1
  status=$?
  # Drawn again at about 1600 pixels a side: fine enough that scaling down smooths our edges as
  # LibreOffice's anti-aliasing does, and within ImageMagick's limits on a side.
  if [ $status -eq 0 ]; then
    side=$(identify -format '%[fx:max(w,h)]' "$ours" 2>/dev/null || echo 100000)
    if [ "$side" -lt 1200 ] || [ "$side" -gt 2400 ]; then
      dpi=$(( 96 * 1600 / (side > 0 ? side : 1) ))
      (( dpi > 1200 )) && dpi=1200
      (( dpi < 24 )) && dpi=24
      timeout 60 env QT_QPA_PLATFORM=offscreen "$render" --dpi "$dpi" "$work/files/$f" "$ours" \
        >>"$work/cmp/$name.out" 2>&1
      status=$?
    fi
  fi
  set -e
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  kb=$(tail -1 "$work/cmp/$name.mem" 2>/dev/null | tr -dc 0-9)
  kb=${kb:-0}
  if (( ms > slowest )); then slowest=$ms; slowest_file=$f; fi
  if (( kb > peak )); then peak=$kb; peak_file=$f; fi
  if [ $status -ne 0 ] || [ ! -f "$ours" ]; then
    if [ $status -gt 1 ]; then verdict="CRASHED($status)"; else verdict="refused"; fi
    refused=$((refused + 1))
    echo "$verdict $f: $(tail -1 "$work/cmp/$name.out")" >> "$report"
    continue
  fi
  theirs="$work/theirs/$name.png"
  if [ ! -f "$theirs" ]; then
    nolo=$((nolo + 1))
    echo "no-libreoffice $f" >> "$report"
    continue
  fi
  if ! normalise "$ours" "$work/cmp/$name-ours.png" || ! normalise "$theirs" "$work/cmp/$name-theirs.png"; then
    differ=$((differ + 1))
    echo "differ (ImageMagick could not read an image) $f" >> "$report"
    continue
  fi
  rms=$(compare -metric RMSE "$work/cmp/$name-ours.png" "$work/cmp/$name-theirs.png" null: 2>&1 \
    | sed -n 's/.*(\(.*\)).*/\1/p' || true)
  rms=${rms:-1}
  if awk -v r="$rms" 'BEGIN { exit !(r < 0.15) }'; then
    agree=$((agree + 1))
    echo "agree $rms $f" >> "$report"
  else
    differ=$((differ + 1))
    echo "differ $rms $f" >> "$report"
  fi
done
total=${#files[@]}
sort -k1,1 -k2,2gr "$report" | sed 's/^/  /'
echo "files: $total; agree: $agree ($(awk -v a=$agree -v t=$total 'BEGIN { printf "%.1f", 100 * a / t }') %);" \
  "differ: $differ; refused: $refused; not drawn by LibreOffice: $nolo"
echo "slowest: $slowest_file ($slowest ms); largest peak memory: $peak_file ($((peak / 1024)) MiB)"
echo "images and the report: $work"
