#!/usr/bin/env bash
# Installs the Debian packages that Cryptwright needs to build, test and run.
# Safe to run again: it installs only what is missing and says nothing when all is present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6opengl6-dev fonts-dejavu-core
  # The 3D view's tests and benchmarks draw with Mesa's software renderer under Xvfb.
  xvfb xauth libgl1-mesa-dri libglx-mesa0
)
# The fuzz targets need clang and its sanitizer and libFuzzer runtimes. libclang-rt-dev follows
# the distribution's default clang (Debian 12: libclang-rt-14-dev); older releases that lack it
# ship the runtimes with clang itself (see below).
if [ "${CW_SETUP_FUZZ:-0}" = 1 ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
# Drop the runtime package where the release does not know it (its clang carries the runtimes).
if ! apt-cache show libclang-rt-dev >/dev/null 2>&1; then
  known=()
  for p in "${missing[@]}"; do [ "$p" = libclang-rt-dev ] || known+=("$p"); done
  missing=("${known[@]}")
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
