#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the Qt-free core alone
# (as on a machine without Qt), then everything under AddressSanitizer +
# UndefinedBehaviorSanitizer, and everything optimised at -O2 with every header
# compiled on its own.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

cmake -S "$here" -B "$here/build/core" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTIS_BUILD_UI=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=TRUE -DORVANTIS_BUILD_BENCH=OFF > /dev/null
cmake --build "$here/build/core" -j "$jobs"
(cd "$here/build/core" && ctest --output-on-failure -j "$jobs")

cmake -S "$here" -B "$here/build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANTIS_SANITIZE=ON \
  -DORVANTIS_BUILD_BENCH=OFF > /dev/null
cmake --build "$here/build/asan" -j "$jobs"
(cd "$here/build/asan" && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j "$jobs")

cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DORVANTIS_CHECK_HEADERS=ON > /dev/null
cmake --build "$here/build/release" -j "$jobs"
(cd "$here/build/release" && ctest --output-on-failure -j "$jobs")
