#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing marlo-veen needs.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins qt6-translations-l10n
  libgl1-mesa-dev libxkbcommon-dev
  libxlsxwriter-dev nlohmann-json3-dev
  coinor-libclp-dev coinor-libcbc-dev
  libqt6sql6-sqlite libqt6sql6-psql postgresql
  libzint-dev zbar-tools
  libzip-dev libpugixml-dev libfreexl-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth
  unzip
  desktop-file-utils appstream shared-mime-info xdg-utils poppler-utils
  clang-14 libclang-rt-14-dev clang-format time
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
