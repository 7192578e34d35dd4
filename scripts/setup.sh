#!/usr/bin/env bash
# Installs the Debian packages the game needs (only those missing), then
# configures and builds. Usage: scripts/setup.sh [play|test|bench]
# (bench: the test set plus the screen grabber of bench/new_pictures.sh)
set -euo pipefail
mode="${1:-play}"
root="$(cd "$(dirname "$0")/.." && pwd)"

play_packages=(
  g++ cmake make pkg-config
  freeglut3-dev libglu1-mesa-dev libgl-dev libgl1-mesa-dri libxrandr-dev zlib1g-dev
  libsdl2-dev libsdl2-mixer-dev libmpg123-dev libmp3lame-dev libfreetype-dev libpng-dev fonts-dejavu-core
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick sox libsox-fmt-mp3 procps
  build-essential dpkg-dev debhelper lintian desktop-file-utils appstream groff-base
  xdg-user-dirs autopkgtest
)
bench_packages=(ffmpeg)

wanted=("${play_packages[@]}")
if [ "$mode" = test ] || [ "$mode" = bench ]; then wanted+=("${test_packages[@]}"); fi
if [ "$mode" = bench ]; then wanted+=("${bench_packages[@]}"); fi

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ "$mode" = test ]; then
  cmake --build "$root/build" -j "$jobs"
elif [ "$mode" = bench ]; then
  cmake --build "$root/build" -j "$jobs" --target veltrane veltrane_frame_bench
else
  cmake --build "$root/build" -j "$jobs" --target veltrane
fi
