#!/usr/bin/env bash
# Runs a command on a fresh Xvfb display with a window manager, so that windows get the
# frames and title bars they get on a desktop.
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    openbox >/dev/null 2>&1 &
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
    "$@"' _ "$@"
