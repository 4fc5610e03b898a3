#!/usr/bin/env bash
# Saves a chart as a user would, on a virtual X display: "En", START, a right click
# on the chart, "Save chart as PNG..." from the menu, a file name typed into the
# dialog and Return; the file must then be a PNG of 800 x 600 pixels. Then the same
# from the keyboard: the Menu key on the chart.
# Usage: end_to_end_save.sh <path to orvantis>
set -euo pipefail

# shellcheck source=end_to_end_lib.sh
source "$(dirname "$0")/end_to_end_lib.sh"
export HOME="$work"  # the settings the program keeps go here, not to the user's

dialog_shown() { xdotool search --onlyvisible --name "Save chart" > /dev/null 2>&1; }
png_saved() { [ -s "$work/saved.png" ] && [ "$(head -c 8 "$work/saved.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]; }

start_in_english
press_start
sleep 0.5
click $((main_x + 232 + 400)) $((main_y + 184 + 250)) 3  # right click on the chart
sleep 0.5
xdotool key Down Return  # the menu's first item: "Save chart as PNG..."
wait_for "the save dialog appears" 100 dialog_shown
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 "$work/saved.png"
xdotool key Return
wait_for "the chart saved as a PNG" 100 png_saved
# Width and height from the PNG's header.
size=$(od -An -tu1 -j16 -N8 "$work/saved.png" | awk '{print $3*256+$4 "x" $7*256+$8}')
[ "$size" = "800x600" ] || { echo "FAIL: the PNG is $size" >&2; exit 1; }

# The keyboard way: a click gives the chart the focus, the Menu key opens its menu.
click $((main_x + 232 + 400)) $((main_y + 184 + 250))
sleep 0.5
xdotool key Menu
sleep 0.5
xdotool key Down Return
wait_for "the save dialog appears from the Menu key" 100 dialog_shown
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 "$work/again.png"
xdotool key Return
wait_for "the chart saved again" 100 test -s "$work/again.png"
cmp -s "$work/saved.png" "$work/again.png" || { echo "FAIL: the two saves differ" >&2; exit 1; }
kill "$pid"
trap - EXIT
echo "PASS: the chart was saved from the menu, by mouse and by the Menu key, as an 800 x 600 PNG"
