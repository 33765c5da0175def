#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# A private CUPS scheduler for the printing tests: its own configuration, spool and socket under one
# folder, no systemd, no port, nothing of the system's scheduler touched.
#
#   cupsd-env.sh start DIR   start cupsd, create the queues PDF (cups-pdf, the default), File
#                            (writes DIR/out/file.pdf) and Uneven (uneven margins, writes
#                            DIR/out/uneven.pdf); exit 0 when ready
#   cupsd-env.sh stop DIR    stop the cupsd started by "start" (by its recorded process id)
#   cupsd-env.sh env DIR     print the CUPS_SERVER line clients need
#
# Clients reach this scheduler only through CUPS_SERVER=DIR/cups.sock. When cupsd cannot run here
# (not root, not installed), "start" writes the reason to DIR/unavailable and still exits 0, so the
# spooler tests skip with that reason. As root with everything installed, a scheduler that does not
# come up fails "start" (exit 1): there the tests must run.
set -euo pipefail

action=${1:-}
dir=${2:-}
if [[ -z $action || -z $dir ]]; then
    echo "usage: $0 start|stop|env DIR" >&2
    exit 2
fi

# "start" empties the folder: only an absolute path of a new folder or one this script made is taken.
if [[ $dir != /* || $dir == / ]]; then
    echo "cupsd-env: DIR must be an absolute folder path, not \"$dir\"" >&2
    exit 2
fi
if [[ $action == start && -d $dir && -n $(ls -A "$dir") && ! -f $dir/etc/cupsd.conf && ! -f $dir/unavailable ]]; then
    echo "cupsd-env: $dir holds files of something else; not touching it" >&2
    exit 2
fi

socket=$dir/cups.sock
pidfile=$dir/cupsd.pid

scheduler_running() {
    # lpstat -r exits 0 even when the scheduler is down: only its text tells.
    [[ $(CUPS_SERVER=$socket lpstat -r 2>/dev/null) == "scheduler is running" ]]
}

stop_scheduler() {
    if [[ -f $pidfile ]]; then
        local pid
        pid=$(cat "$pidfile")
        if kill -0 "$pid" 2>/dev/null; then
            kill -TERM "$pid" 2>/dev/null || true
            for _ in $(seq 1 100); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
            kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null || true
        fi
        rm -f "$pidfile"
    fi
}

unavailable() {
    echo "$1" >"$dir/unavailable"
    echo "cupsd-env: $1" >&2
    stop_scheduler
    exit 0
}

# Root with every package installed and still no working spooler: that is a failure, not a skip.
broken() {
    echo "$1" >"$dir/unavailable"
    echo "cupsd-env: $1" >&2
    stop_scheduler
    exit 1
}

# The folder cups-pdf writes into for the user who submits the job (its Out line, ${HOME} expanded).
cups_pdf_out() {
    local out home
    out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
    [[ -n $out ]] || out='${HOME}/PDF'
    home=$(getent passwd "$(id -un)" | cut -d: -f6)
    out=${out//\$\{HOME\}/$home}
    out=${out//\$\{USER\}/$(id -un)}
    echo "$out"
}

start() {
    stop_scheduler
    rm -rf "$dir"
    mkdir -p "$dir"/{etc/ppd,spool,tmp,cache,state,log,out}
    # cupsd runs filters as user lp: they must reach the spool and temporary folders.
    chmod 755 "$dir" "$dir"/out
    chgrp lp "$dir/tmp" 2>/dev/null && chmod 1770 "$dir/tmp"
    rm -f "$dir/unavailable"

    [[ $(id -u) == 0 ]] || unavailable "the spooler tests need root to run their own cupsd"
    [[ -x /usr/sbin/cupsd ]] || unavailable "cupsd is not installed (package cups)"
    command -v lpadmin >/dev/null || unavailable "lpadmin is not installed (package cups-client)"
    command -v lpstat >/dev/null || unavailable "lpstat is not installed (package cups-client)"

    cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
FileDevice Yes
SystemGroup root
CONF
    cat >"$dir/etc/cupsd.conf" <<CONF
LogLevel warn
Listen $socket
Browsing No
WebInterface No
DefaultShared No
JobRetryLimit 0
ErrorPolicy abort-job
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    chmod 644 "$dir/etc/cups-files.conf" "$dir/etc/cupsd.conf"

    # -f keeps cupsd in the foreground so its process id is ours to stop; setsid and closed streams
    # let the caller (ctest) go on without waiting for it.
    setsid /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
        </dev/null >"$dir/log/cupsd.out" 2>&1 &
    echo $! >"$pidfile"

    local ready=0
    for _ in $(seq 1 150); do
        if scheduler_running; then
            ready=1
            break
        fi
        kill -0 "$(cat "$pidfile")" 2>/dev/null || break
        sleep 0.1
    done
    [[ $ready == 1 ]] || broken "cupsd did not start: $(tail -n 3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tr '\n' ' ')"

    export CUPS_SERVER=$socket
    local pdfppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    local fileppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
    if [[ -f $pdfppd && -x /usr/lib/cups/backend/cups-pdf ]]; then
        lpadmin -p PDF -E -v cups-pdf:/ -P "$pdfppd" -o TitlePref=1 -o PageSize=A4 ||
            broken "lpadmin could not create the cups-pdf queue"
    else
        unavailable "cups-pdf is not installed (package printer-driver-cups-pdf)"
    fi
    [[ -f $fileppd ]] || unavailable "the generic PDF driver is missing (package cups-filters)"
    lpadmin -p File -E -v "file://$dir/out/file.pdf" -P "$fileppd" -o PageSize=A4 ||
        broken "lpadmin could not create the file queue"
    # A printer with four different margins on A4 (left 12 pt, bottom 20, right 24, top 30), to see
    # that the printable-area offsets follow the paper when it is turned to landscape.
    sed 's#^\*ImageableArea A4/A4: .*#*ImageableArea A4/A4: "12 20 571 812"#' "$fileppd" >"$dir/uneven.ppd"
    lpadmin -p Uneven -E -v "file://$dir/out/uneven.pdf" -P "$dir/uneven.ppd" -o PageSize=A4 ||
        broken "lpadmin could not create the queue with uneven margins"
    lpadmin -d PDF || broken "lpadmin could not set the default printer"
    cups_pdf_out >"$dir/cups-pdf-out"
    echo "cupsd-env: scheduler running on $socket; queues: $(lpstat -e | tr '\n' ' ')default: PDF"
}

case $action in
start) start ;;
stop) stop_scheduler ;;
env) echo "CUPS_SERVER=$socket" ;;
*)
    echo "usage: $0 start|stop|env DIR" >&2
    exit 2
    ;;
esac
