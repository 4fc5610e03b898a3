#!/usr/bin/env bash
# Rewrites charts/chart_font_table.cpp from Qt's metrics of the chart face. Needs Qt's
# development files (qt6-base-dev) and fonts-dejavu-core; the build uses the committed
# file, and the font metrics test checks it against Qt wherever Qt is there.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -fPIC -O1 "$here/scripts/chart_font_table.cpp" -o "$tmp/chart_font_table" $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$tmp/chart_font_table" > "$tmp/table.cpp" 2> /dev/null
mv "$tmp/table.cpp" "$here/charts/chart_font_table.cpp"
clang-format -i "$here/charts/chart_font_table.cpp"
