#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Sets up a fresh Debian 12 or 13 machine, builds everything, and runs the whole test suite through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
cd build
ctest --output-on-failure -j2 --timeout 600
