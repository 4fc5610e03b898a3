#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in the current folder,
# where it writes Orvantis_500.txt.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/deps.sh"
cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$here/build/release" --target orvantis
exec "$here/build/release/orvantis"
