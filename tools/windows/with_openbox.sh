#!/usr/bin/env bash
# Runs COMMAND with openbox managing the windows on the X display in DISPLAY, as on a desktop:
# Wine then hands the focus from window to window as Windows does and ends its programs at once.
#   with_openbox.sh COMMAND [ARGUMENT...]
set -euo pipefail

openbox >/dev/null 2>&1 &
openbox_pid=$!
trap 'kill "$openbox_pid" 2>/dev/null || true' EXIT

# openbox is ready once the root window names it as the window manager.
for _ in $(seq 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        "$@"
        exit
    fi
    sleep 0.1
done
echo "openbox did not start on display $DISPLAY" >&2
exit 1
