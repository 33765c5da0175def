#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Sets up a fresh Debian 12 or 13 machine, builds the program (and przelew-render), and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh start
exec build/bin/przelew "$@"
