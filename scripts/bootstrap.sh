#!/usr/bin/env bash
# Installs every Debian 12 package Velmora needs to build, run and test.
# Fast when everything is present: apt-get runs only for what is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libcurl4-openssl-dev libicu-dev libpng-dev zlib1g-dev
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  gstreamer1.0-alsa gstreamer1.0-pulseaudio
  fonts-wqy-microhei xdg-utils ca-certificates
  # tests and benchmarks
  libgtest-dev gstreamer1.0-tools openssl tinyproxy curl time
  xvfb xauth xdotool
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "bootstrap: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
