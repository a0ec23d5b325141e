#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, if any is missing.
set -euo pipefail
pkgs=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  libsqlite3-dev libicu-dev libxlsxwriter-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-mincho fonts-ipafont-gothic
  xvfb xauth poppler-utils
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
