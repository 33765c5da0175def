#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Start-up: how long the main window takes to appear, against a bare Qt window of the same size, both
# started the same way under Xvfb (with openbox where it is installed) and timed by the same probe (from
# the process's start to its first picture on the screen). Prints the median of each and their ratio.
# Usage: bench/startup.sh [BUILD_FOLDER, default build] [RUNS, default 15]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${2:-15}"
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }
work="$(mktemp -d)"
display=":$(( 90 + RANDOM % 100 ))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=""
trap 'kill $xvfb ${wm:+$wm} 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
if command -v openbox >/dev/null; then DISPLAY="$display" openbox >/dev/null 2>&1 & wm=$!; sleep 1; fi
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
export DISPLAY="$display" PRZELEW_STARTUP_PROBE=1 XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
  XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORM

# Milliseconds from starting the program to its window's first picture.
appear() {
  local start out
  start=$(date +%s%N)
  out=$("$@")
  echo "$out" > "$work/last"
  echo $(( (${out%% *} - start) / 1000 ))
}
median() { sort -n | awk '{ a[NR] = $1 } END { m = (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'; }

# One run of each first, so both start from a warm file cache.
appear "$build/bin/przelew" >/dev/null
read -r _ width height < "$work/last"
appear "$build/bin/przelew_bare_window" "$width" "$height" >/dev/null
: > "$work/main"
: > "$work/bare"
for _ in $(seq "$runs"); do
  appear "$build/bin/przelew" >> "$work/main"
  appear "$build/bin/przelew_bare_window" "$width" "$height" >> "$work/bare"
done
main=$(median < "$work/main")
bare=$(median < "$work/bare")
echo "main window ($width x $height): $main ms; bare Qt window: $bare ms (medians of $runs runs)"
awk -v m="$main" -v b="$bare" 'BEGIN { printf "ratio: %.2f\n", m / b }'
