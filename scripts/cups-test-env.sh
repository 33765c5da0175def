#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# A private print spooler to try printing by hand: queues PDF (cups-pdf, the default), File and
# Uneven (generic PDF driver writing into the folder's out/), the same as the printing tests use.
#
#   eval "$(scripts/cups-test-env.sh start)"   start it; sets CUPS_SERVER for this shell
#   scripts/cups-test-env.sh stop              stop it
#
# The folder is $PRZELEW_CUPS_DEV (default /tmp/przelew-cups-dev).
set -euo pipefail
dir=${PRZELEW_CUPS_DEV:-/tmp/przelew-cups-dev}
env=$(dirname "$0")/../tests/cups/cupsd-env.sh
case ${1:-} in
start)
    bash "$env" start "$dir" >&2
    if [[ -f $dir/unavailable ]]; then
        echo "cups-test-env: $(cat "$dir/unavailable")" >&2
        exit 1
    fi
    echo "export $(bash "$env" env "$dir")"
    ;;
stop) bash "$env" stop "$dir" ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
