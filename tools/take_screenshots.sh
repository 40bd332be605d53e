#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb: the main window's greeting layout at start
# (docs/greeting_layout.png), its results layout after letters were typed into each column
# (docs/results_layout.png) and the info window opened from the keyboard (docs/info_window.png),
# each with the frame and title bar that openbox draws. The fonts are those that fontconfig
# resolves; FONTCONFIG_FILE (an absolute path) and QT_SCALE_FACTOR pass through to the program. Needs the
# built program ("make build") and Debian's xvfb, openbox, x11-utils, xdotool and imagemagick.
#
# Usage: tools/take_screenshots.sh [PROGRAM [OUTPUT_DIRECTORY]]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/quabbel}
output=${2:-docs}
mkdir -p "$output"

runtime_dir=$(mktemp -d)
# Stopped last to first: the program, openbox, Xvfb.
pids=()
stop() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$runtime_dir"
}
trap stop EXIT

# Runs COMMAND every tenth of a second until it succeeds, for ten seconds at most.
wait_for() {
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return
        sleep 0.1
    done
    echo "gave up waiting for: $*" >&2
    exit 1
}

# Xvfb picks a free display and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x800x24 -nolisten tcp 3>"$runtime_dir/display" 2>/dev/null &
pids+=("$!")
wait_for grep -q . "$runtime_dir/display"
export DISPLAY=:$(cat "$runtime_dir/display")

openbox >/dev/null 2>&1 &
pids+=("$!")
wait_for sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$runtime_dir "$program" &
pids+=("$!")
wait_for xdotool search --onlyvisible --name '^Quabbel 2 3 4$'
window=$(xdotool search --onlyvisible --name '^Quabbel 2 3 4$' | head -n 1)
xdotool windowactivate --sync "$window"
sleep 1
import -frame -window "$window" "$output/greeting_layout.png"

# The greeting layout's client area is 2025 twips (135 pixels) high; the menu bar is above it.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_bar=$((HEIGHT - 135))

# Clicks the box at LEFT twips (all boxes stand 120 twips from the top, 375 twips square) and
# types TEXT into it.
type_into_box() {
    local left=$1 text=$2
    xdotool mousemove --window "$window" $((left / 15 + 12)) $((menu_bar + 120 / 15 + 12)) click 1
    xdotool type --delay 100 "$text"
    sleep 0.3
}
type_into_box 600 u     # B2(2)
type_into_box 1200 k    # B3(1)
type_into_box 1680 a    # B3(2)
type_into_box 2760 z    # B4(1)
type_into_box 4200 n    # B4(4)
sleep 1
import -frame -window "$window" "$output/results_layout.png"

xdotool key alt+d i
wait_for xdotool search --onlyvisible --name '^Info$'
sleep 1
import -frame -window "$(xdotool search --onlyvisible --name '^Info$' | head -n 1)" \
    "$output/info_window.png"
echo "Wrote greeting_layout.png, results_layout.png and info_window.png into $output"
