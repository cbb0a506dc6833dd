#!/usr/bin/env bash
# Installs, only when missing, every Debian package the build and the tests need.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev liblapack-dev
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libqt6svg6
  libgl-dev
  fonts-arphic-ukai fonts-arphic-uming fonts-wqy-zenhei fonts-wqy-microhei
  fonts-liberation fonts-dejavu-core fontconfig
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "bootstrap: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
