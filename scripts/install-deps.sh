#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and measures with.
# Only missing packages are installed; safe to run repeatedly. Needs root (or sudo).
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config ccache make clang-format
  # libraries
  libpng-dev libcurl4-openssl-dev qt6-base-dev qt6-qpa-plugins zlib1g-dev
  # translations (Linguist for CMake, lupdate/lrelease, Qt's own Czech catalogue)
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  # packaging: the .deb's library dependencies, manual pages
  dpkg-dev file help2man
  # tests and measuring
  libgtest-dev libgmock-dev libbenchmark-dev python3 python3-pyftpdlib fonts-dejavu-core
  # sanitizer and fuzzing toolchain
  clang libclang-rt-14-dev
  # peers for reference decoding and benchmarks
  libjpeg-turbo-progs netpbm imagemagick giflib-tools time pngcheck
  # real-window checks of the desktop program
  xvfb openbox xdotool x11-utils
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

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
