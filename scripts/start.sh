#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Sets up a fresh Debian 12 machine, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec build/bin/przelew
