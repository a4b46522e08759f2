#!/usr/bin/env bash
# The main job of `make run`: convert the bundled sample picture to a WBMP
# fitted to a 96 x 60 phone display and print it in the terminal.
set -euo pipefail
build_dir=${1:-build}
cli="$build_dir/cli/glyphon-cli"
out_dir="$build_dir/demo"
mkdir -p "$out_dir"
"$cli" convert samples/landscape.bmp --fit 96x60 -m floyd-steinberg -o "$out_dir/landscape.wbmp"
"$cli" info "$out_dir/landscape.wbmp"
"$cli" show "$out_dir/landscape.wbmp"
echo "Written: $out_dir/landscape.wbmp"
