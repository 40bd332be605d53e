#!/usr/bin/env bash
# Starts PROGRAM, the shipped quabbel.exe, under WINE and drives it from outside as a player at
# the keyboard would, on the X display in DISPLAY with a window manager: the window "Quabbel 2 3
# 4" appears with the design's client size in both layouts; "z" typed into B4(1) and "n" into
# B4(4) list the ten words from ZAHN to ZYAN in German order, read back one by one with Ctrl+C
# from the list; "&Datei" > "&Info" opens the info window at its size; "&Datei" > "&Ende" ends
# the program with status 0. Testing the exe itself, not a test program linked with its code,
# checks what players get: its start code, resources, static plugins and link.
#   drive_program.sh WINE PROGRAM
set -uo pipefail
wine=$1
program=$2

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# The X window of the visible window with exactly this title, once there is one.
window_titled() {
    timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# The size of WINDOW's inside, "WIDTH HEIGHT": what Wine hands to X, menu bar and client area,
# without the frame that the window manager draws.
size_of() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    echo "$WIDTH $HEIGHT"
}

# Presses keys one after another and gives the program time to handle them.
press() {
    xdotool key --delay 150 "$@"
    sleep 0.5
}

"$wine" "$program" &
program_pid=$!
trap 'kill "$program_pid" 2>/dev/null' EXIT

main=$(window_titled "Quabbel 2 3 4")
[ -n "$main" ] || fail "no window \"Quabbel 2 3 4\" within a minute"
xdotool windowactivate --sync "$main"
# The greeting layout's client area is 4695 x 2025 twips, 313 x 135 pixels, below a menu bar of
# one line of text.
read -r width height < <(size_of "$main")
menu_bar=$((height - 135))
[ "$width" = 313 ] && [ "$menu_bar" -ge 15 ] && [ "$menu_bar" -le 30 ] ||
    fail "the greeting layout is $width x $height pixels, expected 313 x 135 below the menu bar"

# The focus starts in B2(1); B2(2), B3(1), B3(2), B3(3) and B4(1) follow in the tab order.
press Tab Tab Tab Tab Tab z
press Tab Tab Tab n
# The results layout's outer size, 4785 x 5445 twips, holds a client area of 313 x 319 pixels.
read -r width height < <(size_of "$main")
[ "$width" = 313 ] && [ "$height" = $((319 + menu_bar)) ] ||
    fail "the results layout is $width x $height pixels, expected 313 x 319 below the menu bar"

# List4 follows B4(4) and takes the focus with its first item current; Ctrl+C copies the
# current item. The end of the list is where Down no longer changes what is copied.
press Tab
listed=()
for _ in $(seq 30); do
    press ctrl+c
    item=$(timeout 10 xclip -out -selection clipboard) || fail "nothing copied from List4"
    [ "${#listed[@]}" -gt 0 ] && [ "$item" = "${listed[-1]}" ] && break
    listed+=("$item")
    press Down
done
expected=(ZAHN ZÄHN ZAIN ZAUN ZÄUN ZEHN ZINN ZORN ZÜRN ZYAN)
[ "${listed[*]}" = "${expected[*]}" ] ||
    fail "List4 holds \"${listed[*]}\", expected \"${expected[*]}\""

press alt+d i
info=$(window_titled Info)
[ -n "$info" ] || fail "\"&Datei\" > \"&Info\" opened no window \"Info\""
# Its client area is 5130 x 3090 twips; it has no menu bar.
[ "$(size_of "$info")" = "342 206" ] ||
    fail "the info window is $(size_of "$info" | tr ' ' x) pixels, expected 342 x 206"

xdotool windowactivate --sync "$main"
press alt+d e
timeout 30 tail --pid="$program_pid" -f /dev/null || fail "the program still runs after \"&Ende\""
wait "$program_pid"
status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"
trap - EXIT
echo "quabbel.exe: window, lists, info window and \"&Ende\" as expected"
