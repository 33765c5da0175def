#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Draws the icon's PNG sizes from its SVG (needs rsvg-convert, Debian's librsvg2-bin). The PNGs are
# committed, so the build does not need this; the 16 px one is drawn pixel by pixel (make_icons.py's
# design) and stays as it is.
set -euo pipefail
cd "$(dirname "$0")/hicolor"
for size in 32 48 64 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" scalable/apps/przelew.svg -o "${size}x${size}/apps/przelew.png"
done
