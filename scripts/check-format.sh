#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Fails when a source file is not as clang-format (.clang-format) writes it. Exits 77 (skipped) where
# clang-format is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed"; exit 77; }
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
clang-format --dry-run --Werror "${files[@]}"
echo "formatted as .clang-format says: ${#files[@]} files"
