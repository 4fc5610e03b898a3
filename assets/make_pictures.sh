#!/usr/bin/env bash
# Redraws the pictures in this folder from make_pictures.cpp. Needs only Qt's
# development files (qt6-base-dev); the build itself uses the committed files.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -fPIC -O1 "$here/make_pictures.cpp" "$here/program_icon.cpp" -o "$tmp/make_pictures" $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$tmp/make_pictures" "$here"
