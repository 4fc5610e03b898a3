#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, where missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config clang-format git man-db
  qt6-base-dev qt6-base-dev-tools libgl-dev libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core locales-all xvfb xauth xdotool
  libcli11-dev nlohmann-json3-dev libboost-dev help2man libxml2-utils
  desktop-file-utils appstream dpkg-dev file python3 parallel qt6-translations-l10n
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
