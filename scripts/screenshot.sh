#!/usr/bin/env bash
# Redraws docs/main_window.png, the README's picture of the main window after START:
# the program on a virtual display, "En", START, then the window's client area.
# Needs ImageMagick's import (Debian package imagemagick).
# Usage: screenshot.sh <path to orvantis>
set -euo pipefail
docs="$(cd "$(dirname "$0")/../docs" && pwd)"
export ORVANTIS_DOCS="$docs"
# shellcheck source=../tests/ui/end_to_end_lib.sh
source "$(dirname "$(realpath "$0")")/../tests/ui/end_to_end_lib.sh"
start_in_english
press_start
sleep 1
import -window root -crop "1008x695+${main_x}+${main_y}" +repage "$ORVANTIS_DOCS/main_window.png"
echo "docs/main_window.png redrawn"
