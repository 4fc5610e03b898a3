#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: under
# AddressSanitizer + UndefinedBehaviorSanitizer, and optimised at -O2.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

cmake -S "$here" -B "$here/build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANTIS_SANITIZE=ON \
  -DORVANTIS_BUILD_BENCH=OFF > /dev/null
cmake --build "$here/build/asan" -j "$jobs"
(cd "$here/build/asan" && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j "$jobs")

cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" > /dev/null
cmake --build "$here/build/release" -j "$jobs"
(cd "$here/build/release" && ctest --output-on-failure -j "$jobs")
