#!/usr/bin/env bash
# Installs the Debian package into a clean Debian 12 root and runs both
# programs from it. Needs root, debootstrap and the network (a Debian mirror).
#   packaging/check-deb.sh [BUILD_DIR] [ROOT]   (defaults: build, a new temporary folder)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
root=${2:-$(mktemp -d /tmp/glyphon-deb-check.XXXXXX)}
deb=$(ls "$build"/glyphon_*.deb | tail -1)

if [ ! -x "$root/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cp "$deb" samples/landscape.bmp "$root/tmp/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
chroot "$root" /bin/sh -ec "
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --reinstall /tmp/$(basename "$deb") >/dev/null
  glyphon-cli --version
  LANG=C glyphon-cli convert /tmp/landscape.bmp --fit 96x60 -o /tmp/out.wbmp
  test \"\$(glyphon-cli info /tmp/out.wbmp | cut -f2-)\" = \"\$(printf 'wbmp\t90\t60')\"
  LANG=C glyphon --help | grep -q '^Usage: glyphon'
  LANG=cs_CZ.UTF-8 glyphon --help | grep -q '^Použití: glyphon'
  # The desktop program starts and stays up with a picture (offscreen).
  cd /tmp
  status=0
  QT_QPA_PLATFORM=offscreen timeout 5 glyphon /tmp/landscape.bmp || status=\$?
  test \"\$status\" = 124
  test -f /usr/lib/glyphon/libdotwerk.so
  test -f /usr/share/man/man1/glyphon.1 -a -f /usr/share/man/man1/glyphon-cli.1
  echo 'the package installs and both programs run'
"
