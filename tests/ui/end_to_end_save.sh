#!/usr/bin/env bash
# Saves a chart as a user would, on a virtual X display: "En", START, a right click
# on the chart, "Save chart as PNG..." from the menu, a file name typed into the
# dialog and Return; the file must then be a PNG of 800 x 600 pixels.
# Usage: end_to_end_save.sh <path to orvantis>
set -euo pipefail

if [ "${1:-}" != "--on-display" ]; then
  program="$(realpath "$1")"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" --on-display "$program" "$work"
  exit
fi
program="$2"
work="$3"
export QT_QPA_PLATFORM=xcb
export HOME="$work"  # the settings the program keeps go here, not to the user's

start_x=237 start_y=199 main_x=206 main_y=128

click() {  # screen x, screen y, button
  xdotool mousemove "$1" "$2"
  sleep 0.3
  xdotool click "${3:-1}"
}

wait_for() {  # description, tries of 0.2 s, command...
  local what="$1" tries="$2"
  shift 2
  for _ in $(seq "$tries"); do
    if "$@"; then return 0; fi
    sleep 0.2
  done
  echo "FAIL: $what" >&2
  return 1
}

windows_shown() { [ "$(xdotool search --onlyvisible --name "ORVANTIS vers.1.1" 2>/dev/null | wc -l)" -eq "$1" ]; }
file_complete() { [ -f "$work/Orvantis_500.txt" ] && [ "$(wc -l < "$work/Orvantis_500.txt")" -eq 503 ]; }
dialog_shown() { xdotool search --onlyvisible --name "Save chart" > /dev/null 2>&1; }
png_saved() { [ -s "$work/saved.png" ] && [ "$(head -c 8 "$work/saved.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]; }

cd "$work"
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

wait_for "the start window appears" 300 windows_shown 1
sleep 1
click $((start_x + 344 + 14)) $((start_y + 112 + 14 + 2 * 34 + 17))  # "En"
wait_for "the main window appears" 300 windows_shown 2
sleep 1
click $((main_x + 976)) $((main_y + 30))  # START
wait_for "Orvantis_500.txt with 503 lines" 300 file_complete
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
kill "$pid"
trap - EXIT
echo "PASS: the chart was saved from the menu as an 800 x 600 PNG"
