#!/usr/bin/env bash
# Runs the real program on a virtual X display, as a user would: clicks "En" in the
# start window, types into a field (a box only when a field that is not a number is
# left) and clicks START in the main window at their screen positions (no window
# manager, so each window's client area sits exactly where the program puts it),
# waits for Orvantis_500.txt in the program's working folder, then MAIN and QUIT;
# the program must end by itself with exit code 0.
# Usage: end_to_end.sh <path to orvantis>
set -euo pipefail

# shellcheck source=end_to_end_lib.sh
source "$(dirname "$0")/end_to_end_lib.sh"
# Numbers are typed with a point.
export LC_ALL=C.UTF-8

program_ended() { ! kill -0 "$pid" 2>/dev/null; }

start_in_english
# edV0 at 161,510 and edH0 at 160,479 (50 x 22). Typed at full speed, "5E-5" passes
# "5E" and "5E-" without a box; leaving edV0 with "5E" by a click on edH0 brings
# one box, once the button is up; Return closes it. Then the speed as it was.
click $((main_x + 186)) $((main_y + 521))
xdotool key ctrl+a
xdotool type --delay 1 "5E-5"
xdotool key Tab
sleep 1
windows_shown 2 || { echo "FAIL: a box while typing 5E-5" >&2; exit 1; }
click $((main_x + 186)) $((main_y + 521))
xdotool key ctrl+a
xdotool type --delay 1 "5E"
click $((main_x + 185)) $((main_y + 490))
wait_for "leaving a field that is not a number shows the box" 50 windows_shown 3
xdotool key Return
wait_for "Return closes the box" 50 windows_shown 2
click $((main_x + 186)) $((main_y + 521))
xdotool key ctrl+a
xdotool type --delay 1 "30.2"
press_start
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
