#!/usr/bin/env bash
# Long runs of the real program on a virtual X display, as a user meets them. A
# default START writes Orvantis_500.txt; a flight of 10^8 steps then shows the
# progress dialog, Escape cancels it and the file stays the same file, untouched; a
# default START afterwards works and writes the same bytes again. A SIGTERM during a
# second long run ends the program, with exit code 143 and the file whole. (How fast
# it ends is for a benchmark; here ten seconds only tell a hang from a busy machine.)
# Usage: long_run_end_to_end.sh <path to orvantis>
set -euo pipefail

# shellcheck source=end_to_end_lib.sh
source "$(dirname "$0")/end_to_end_lib.sh"
# Numbers are typed with a point.
export LC_ALL=C.UTF-8

fail() {
  echo "FAIL: $1" >&2
  exit 1
}

# Replaces the text of the main window's field at client x, y by typed text.
retype() {
  click $((main_x + $1)) $((main_y + $2))
  xdotool key ctrl+a
  xdotool type --delay 30 "$3"
}

results="$work/Orvantis_500.txt"
file_id() { stat -c '%i %Y.%y' "$results"; }
file_replaced() { [ -f "$results" ] && [ "$(file_id)" != "$1" ] && file_complete; }
program_ended() { [ -s "$work/status" ]; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# edH0 at 160,479 and edTk at 160,603 (50 x 22); START at 954,6 (45 x 48).
long_flight() {
  retype 185 490 100000
  retype 185 614 5000
  click $((main_x + 976)) $((main_y + 30))
}
default_flight() {
  retype 185 490 1.7
  retype 185 614 5
  click $((main_x + 976)) $((main_y + 30))
}

cd "$work"
# A small parent records how the program ended: its exit code, or minus the number
# of the signal that killed it (which would mean the signal was not handled).
python3 -c '
import subprocess, sys
program = subprocess.Popen([sys.argv[1]])
open("pid", "w").write(str(program.pid))
code = program.wait()
open("status.tmp", "w").write(str(code))
import os; os.rename("status.tmp", "status")
' "$program" &
wait_for "the program starts" 100 test -s pid
pid="$(cat pid)"
trap 'kill "$pid" 2>/dev/null || true' EXIT

choose_english
press_start
cp "$results" "$work/default.txt"
before="$(file_id)"

long_flight
wait_for "the long run shows the progress dialog" 100 windows_shown 3
xdotool key Escape
wait_for "Escape closes the progress dialog" 50 windows_shown 2
[ "$(file_id)" = "$before" ] || fail "the cancelled run replaced Orvantis_500.txt"

default_flight
wait_for "a default run after the cancel writes Orvantis_500.txt" 300 file_replaced "$before"
cmp -s "$results" "$work/default.txt" || fail "the default run wrote other bytes than before"
before="$(file_id)"

long_flight
wait_for "the second long run shows the progress dialog" 100 windows_shown 3
sent="$(now_ms)"
kill -TERM "$pid"
for _ in $(seq 1000); do
  program_ended && break
  sleep 0.01
done
ended="$(now_ms)"
program_ended || fail "the program still runs ten seconds after SIGTERM"
trap - EXIT
status="$(cat "$work/status")"
[ "$status" = 143 ] || fail "exit status $status after SIGTERM, not the exit code 143"
[ "$(file_id)" = "$before" ] || fail "the run ended by SIGTERM replaced Orvantis_500.txt"
cmp -s "$results" "$work/default.txt" || fail "Orvantis_500.txt changed"
leftovers="$(find "$work" -name 'Orvantis_500.txt.tmp*' | wc -l)"
[ "$leftovers" -eq 0 ] || fail "a temporary results file was left behind"
echo "PASS: Escape and SIGTERM stop long runs; Orvantis_500.txt stays whole; exit code 143 after $((ended - sent)) ms"
