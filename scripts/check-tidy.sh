#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs clang-tidy (.clang-tidy: bugprone, performance and the modernize checks that help) over the
# program's sources, two at a time, with the compile commands of a build folder; any finding fails.
# Usage: scripts/check-tidy.sh [BUILD_FOLDER, default build]. Exits 77 (skipped) where clang-tidy is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
command -v clang-tidy >/dev/null || { echo "clang-tidy is not installed"; exit 77; }
[ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json"; exit 1; }
mapfile -t files < <(ls app/*.cpp data/*.cpp emf/*.cpp platform/*.cpp preview/*.cpp printout/*.cpp \
  report/*.cpp tools/*.cpp transfer/*.cpp)
printf '%s\n' "${files[@]}" | xargs -P2 -n4 clang-tidy -p "$build" --quiet
echo "clang-tidy found nothing in ${#files[@]} files"
