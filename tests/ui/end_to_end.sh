#!/usr/bin/env bash
# Runs the real program on a virtual X display, as a user would: clicks "En" in the
# start window and START in the main window at their screen positions (no window
# manager, so each window's client area sits exactly where the program puts it),
# waits for Orvantis_500.txt in the program's working folder, then MAIN and QUIT;
# the program must end by itself with exit code 0.
# Usage: end_to_end.sh <path to orvantis>
set -euo pipefail

# shellcheck source=end_to_end_lib.sh
source "$(dirname "$0")/end_to_end_lib.sh"

program_ended() { ! kill -0 "$pid" 2>/dev/null; }

start_in_english
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
