#!/usr/bin/env bash
# Makes the manual pages from the programs' English --help with help2man.
#   packaging/update-man-pages.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
export LANGUAGE=en LC_ALL=C.UTF-8
help2man --no-info --section 1 --source "WAP Glyphon" \
  --name "convert pictures into one-bit WBMP pictures for WAP phones (desktop program)" \
  --include packaging/man/glyphon.h2m \
  --output packaging/man/glyphon.1 "$build/app/glyphon"
# Each command's own --help, word for word, as a section of its own.
include=$(mktemp)
trap 'rm -f "$include"' EXIT
{
  echo "[COMMANDS IN DETAIL]"
  for command in convert info show split counter phones displays; do
    echo ".SS $command"
    echo ".nf"
    "$build/cli/glyphon-cli" "$command" --help | sed -e 's/\\/\\e/g' -e 's/^[.'"'"']/\\\&&/' -e 's/-/\\-/g'
    echo ".fi"
  done
  cat packaging/man/glyphon-cli.h2m
} >"$include"
help2man --no-info --section 1 --source "WAP Glyphon" \
  --name "convert pictures into one-bit WBMP pictures for WAP phones" \
  --include "$include" \
  --output packaging/man/glyphon-cli.1 "$build/cli/glyphon-cli"
