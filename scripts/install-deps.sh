#!/usr/bin/env bash
# Installs what building, running and testing Tolvenar needs on Debian 12.
# Does nothing when every package is already present.
set -euo pipefail
packages=(
  cmake g++ make pkgconf
  qt6-base-dev qt6-serialport-dev libqt6opengl6-dev qt6-svg-dev libmuparser-dev
  libsndfile1-dev libmatio-dev libsamplerate0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool poppler-utils imagemagick
  clang libclang-rt-14-dev
  fonts-dejavu-core
  dpkg-dev file desktop-file-utils shared-mime-info
  python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
