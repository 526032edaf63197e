#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12. Does nothing when all is there.
set -euo pipefail
packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg62-turbo-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  clang libclang-rt-14-dev
  xvfb xauth
  dpkg-dev shared-mime-info
  cups cups-filters printer-driver-cups-pdf poppler-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
