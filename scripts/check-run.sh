#!/usr/bin/env bash
# Proves the README's run command: starts scripts/run.sh under Xvfb on the real X11 platform
# and passes only when the main window's title is among the top-level windows and no message
# box's title is ("Informazioni generali" is the start-up message). Then it ends the program.
#   scripts/check-run.sh [SECONDS]   (how long the build and start may take; default 900)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != "--inside" ]; then
    scripts/install-deps.sh test
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "${1:-900}"
fi
limit="$2"
log=$(mktemp)
QT_QPA_PLATFORM=xcb setsid scripts/run.sh >"$log" 2>&1 &
pid=$!
stop() { kill -TERM -- "-$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
fail() {
    echo "run command: $1" >&2
    tail -n 20 "$log" >&2
    stop
    exit 1
}
windows() { xwininfo -root -tree 2>/dev/null | grep -o '"[^"]*"' || true; }
deadline=$((SECONDS + limit))
while :; do
    shown=$(windows)
    grep -q '^"Informazioni generali"$' <<<"$shown" && fail "the start-up message came up"
    if grep -q '^"SUPER ENALOTTO PER VELTRAMO - .* - v\.[0-9.]*"$' <<<"$shown"; then
        break
    fi
    kill -0 "$pid" 2>/dev/null || fail "it ended before its main window came up"
    [ "$SECONDS" -lt "$deadline" ] || fail "no main window within $limit s"
    sleep 0.5
done
# A message box that opens just after the window would still be a failure.
sleep 2
shown=$(windows)
grep -q '^"Informazioni generali"$' <<<"$shown" && fail "a message box came up after the window"
kill -0 "$pid" 2>/dev/null || fail "it ended after its main window came up"
echo "run command: the main window came up: $(grep -m1 '^"SUPER ENALOTTO' <<<"$shown")"
stop
rm -f "$log"
