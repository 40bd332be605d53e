#!/usr/bin/env bash
# Takes the README's screenshots of quabbel.exe under Wine, in a fresh Wine prefix with Wine's
# own fonts, each with the frame that openbox draws: the greeting layout at start, the results
# layout after letters were typed into each column, and the info window. Needs "make windows"
# and Debian's imagemagick besides the packages of "make deps-windows".
#
#   tools/windows/take_screenshots.sh [PROGRAM [OUTPUT_DIRECTORY]]
set -euo pipefail
cd "$(dirname "$0")/../.."
program=$(realpath "${1:-build-windows/app/quabbel.exe}")
output=${2:-docs}
mkdir -p "$output"

# Once on a virtual display with openbox, then the work below.
if [ -z "${QUABBEL_SCREENSHOT_DISPLAY:-}" ]; then
    exec env QUABBEL_SCREENSHOT_DISPLAY=1 xvfb-run --auto-servernum \
        --server-args="-screen 0 1024x800x24" tools/windows/with_openbox.sh "$0" "$program" "$output"
fi

wine=/usr/lib/wine/wine64
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
export WINEDEBUG=-all
cmake -DWINE=$wine -DPREFIX="$WINEPREFIX" -DFONTS=/usr/share/wine/fonts \
    -P tests/wine/fresh_wine_prefix.cmake
trap '/usr/lib/wine/wineserver --kill; rm -rf "$WINEPREFIX"' EXIT

$wine "$program" &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quabbel 2 3 4$' | head -n 1)
xdotool windowactivate --sync "$window"
sleep 1
import -frame -window "$window" "$output/windows_greeting_layout.png"

# The focus starts in B2(1); the tab order runs B2(2), B3(1), B3(2), then, once the lists show,
# List2, List3, B3(3), B4(1) ... B4(4).
xdotool key --delay 150 Tab u Tab k Tab a Tab Tab Tab Tab z Tab Tab Tab n
sleep 1
import -frame -window "$window" "$output/windows_results_layout.png"

xdotool key --delay 150 alt+d i
info=$(timeout 60 xdotool search --sync --onlyvisible --name '^Info$' | head -n 1)
sleep 1
import -frame -window "$info" "$output/windows_info_window.png"
xdotool windowactivate --sync "$window" key --delay 150 alt+d e
wait
echo "Wrote $output/windows_greeting_layout.png, windows_results_layout.png and windows_info_window.png"
