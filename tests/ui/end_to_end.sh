#!/usr/bin/env bash
# Runs the real program on a virtual X display, as a user would: clicks "En" in the
# start window and START in the main window at their screen positions (no window
# manager, so each window's client area sits exactly where the program puts it),
# waits for Orvantis_500.txt in the program's working folder, then MAIN and QUIT;
# the program must end by itself with exit code 0.
# Usage: end_to_end.sh <path to orvantis>
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

# Client positions of the windows on the screen.
start_x=237 start_y=199 main_x=206 main_y=128

click() {  # screen x, screen y
  xdotool mousemove "$1" "$2"
  sleep 0.3
  xdotool click 1
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

# Both windows carry the program's title.
windows_shown() { [ "$(xdotool search --onlyvisible --name "ORVANTIS vers.1.1" 2>/dev/null | wc -l)" -eq "$1" ]; }
file_complete() { [ -f "$work/Orvantis_500.txt" ] && [ "$(wc -l < "$work/Orvantis_500.txt")" -eq 503 ]; }
program_ended() { ! kill -0 "$pid" 2>/dev/null; }

cd "$work"
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

wait_for "the start window appears" 300 windows_shown 1
sleep 1
# "En", the third item of the language group (group at 344,112; items 34 pixels
# high from 14 below its top): its round button.
click $((start_x + 344 + 14)) $((start_y + 112 + 14 + 2 * 34 + 17))
wait_for "the main window appears" 300 windows_shown 2
sleep 1
# START at 954,6 (45 x 48) in the main window.
click $((main_x + 976)) $((main_y + 30))
wait_for "Orvantis_500.txt with 503 lines" 300 file_complete
# MAIN at 957,64 (41 x 41) hides the main window; QUIT at 712,72 (44 x 41) ends the program.
click $((main_x + 977)) $((main_y + 84))
wait_for "MAIN hides the main window" 300 windows_shown 1
sleep 1
click $((start_x + 734)) $((start_y + 92))
wait_for "the program ends after QUIT" 100 program_ended
status=0
wait "$pid" || status=$?
trap - EXIT
[ "$status" -eq 0 ] || { echo "FAIL: exit code $status" >&2; exit 1; }
echo "PASS: Orvantis_500.txt has 503 lines; the program ended with 0"
