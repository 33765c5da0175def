#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The program as the start-up puts it together: it starts and shows its window with no file, a transfer
# file, a CSV file and several files given (the batch window), on a machine with no printer.
#   starts.sh PROGRAM DATA_FOLDER
set -euo pipefail
program=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'NDNazwa;NDKonto;Kwota\nAlfa;61 1090 1014 0000 0712 1981 2874;10,00\n' >"$work/lista.csv"
failed=0
for args in "" "$data/transfers/sample.txt" "$work/lista.csv" "$data/transfers/sample.txt $work/lista.csv"; do
    # shellcheck disable=SC2086 # the files are words of their own
    if ! out=$(QT_QPA_PLATFORM=offscreen PRZELEW_STARTUP_PROBE=1 CUPS_SERVER=/nonexistent/cups.sock \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" timeout 60 "$program" $args 2>"$work/err"); then
        echo "przelew ${args:-(no file)} did not start: $(cat "$work/err")" >&2
        failed=1
    elif ! [[ $out =~ ^[0-9]+\ [0-9]+\ [0-9]+$ ]]; then
        echo "przelew ${args:-(no file)} showed no window: $out" >&2
        failed=1
    fi
done
exit $failed
