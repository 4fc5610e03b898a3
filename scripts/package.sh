#!/usr/bin/env bash
# Installs what is missing, builds what the install takes (the programs, man pages,
# menu entry, icons, metainfo) in build/package and makes the Debian package
# build/package/orvantis_<version>_<architecture>.deb from it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build/package"
bash "$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTIS_BUILD_BENCH=OFF > /dev/null
cmake --build "$build" --target orvantis_install_payload
(cd "$build" && rm -f orvantis_*.deb && cpack -G DEB > /dev/null)
ls "$build"/orvantis_*.deb
