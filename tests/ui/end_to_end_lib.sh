# What the end-to-end scripts share: starting themselves again on a virtual X display
# (xvfb-run) with a fresh working folder, the windows' client positions on the screen
# (no window manager), clicks, and waiting for a condition.
# A script sources this with its own arguments: <path to orvantis>. It then has
# $program and $work (the working folder), and runs on the display.

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

click() {  # screen x, screen y, button (1 when left out)
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

# Every window of the program carries its title.
windows_shown() { [ "$(xdotool search --onlyvisible --name "ORVANTIS vers.1.1" 2>/dev/null | wc -l)" -eq "$1" ]; }
file_complete() { [ -f "$work/Orvantis_500.txt" ] && [ "$(wc -l < "$work/Orvantis_500.txt")" -eq 503 ]; }

# Starts the program in the working folder ($pid; killed when the script ends early),
# clicks "En" and waits for the main window.
start_in_english() {
  cd "$work"
  "$program" &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT
  choose_english
}

# Waits for the start window, clicks "En" and waits for the main window.
choose_english() {
  wait_for "the start window appears" 300 windows_shown 1
  sleep 1
  # "En", the third item of the language group (group at 344,112; items 34 pixels
  # high from 14 below its top): its round button.
  click $((start_x + 344 + 14)) $((start_y + 112 + 14 + 2 * 34 + 17))
  wait_for "the main window appears" 300 windows_shown 2
  sleep 1
}

# START at 954,6 (45 x 48) in the main window, until the results file is complete.
press_start() {
  click $((main_x + 976)) $((main_y + 30))
  wait_for "Orvantis_500.txt with 503 lines" 300 file_complete
}
