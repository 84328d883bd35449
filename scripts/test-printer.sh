#!/usr/bin/env bash
# Starts or stops a CUPS scheduler with a cups-pdf queue "PDF" as the default printer, and
# two more with a printer's margins ("PDF-Margins", A4; "PDF-Letter", Letter), for the
# end-to-end print tests. Finished jobs appear as PDF files in $HOME/PDF.
#   scripts/test-printer.sh start   (prints the PID file it wrote)
#   scripts/test-printer.sh stop
set -euo pipefail
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
state_dir="${ENALOTTO_CUPS_STATE:-/tmp/enalotto-cups}"
pid_file="$state_dir/cupsd.pid"

start() {
    mkdir -p "$state_dir"
    if [ -f "$pid_file" ] && kill -0 "$(cat "$pid_file")" 2>/dev/null; then
        echo "cupsd already running (pid $(cat "$pid_file"))"
    elif pgrep -x cupsd >/dev/null; then
        # A scheduler the machine started itself: use it, and leave it running at stop.
        echo "using the cupsd already running"
    else
        $sudo_cmd /usr/sbin/cupsd -f &
        echo $! >"$pid_file"
    fi
    for _ in $(seq 1 50); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.2
    done
    lpstat -r | grep -q "is running" || { echo "cupsd did not start" >&2; exit 1; }
    # The default PDF-to-PostScript step turns the fonts into Type 3 glyphs whose text cannot
    # be read back; poppler's cairo renderer keeps them as TrueType with their characters.
    $sudo_cmd lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo
    # Two queues as shops have them: the printable area of common laser and inkjet drivers
    # (36 pt free at top and bottom), on A4, and on Letter as the queue's job default.
    local ppd="$state_dir/margins.ppd"
    sed -e 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "18 36 577 806"|' \
        -e 's|^\*ImageableArea Letter/US Letter: .*|*ImageableArea Letter/US Letter: "18 36 594 756"|' \
        /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >"$ppd"
    $sudo_cmd lpadmin -p PDF-Margins -v cups-pdf:/ -E -P "$ppd" \
        -o pdftops-renderer-default=pdftocairo
    $sudo_cmd lpadmin -p PDF-Letter -v cups-pdf:/ -E -P "$ppd" \
        -o pdftops-renderer-default=pdftocairo -o PageSize-default=Letter
    for queue in PDF PDF-Margins PDF-Letter; do
        $sudo_cmd cupsenable "$queue"
        $sudo_cmd cupsaccept "$queue"
    done
    $sudo_cmd lpadmin -d PDF
    lpstat -d
}

stop() {
    for queue in PDF-Margins PDF-Letter; do
        $sudo_cmd lpadmin -x "$queue" 2>/dev/null || true
    done
    if [ -f "$pid_file" ]; then
        $sudo_cmd kill "$(cat "$pid_file")" 2>/dev/null || true
        rm -f "$pid_file"
    fi
}

case "${1:-}" in
start) start ;;
stop) stop ;;
*) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
