#!/usr/bin/env bash
# The main job of `make run`. With a display (DISPLAY or WAYLAND_DISPLAY set)
# it starts the desktop program with the bundled sample picture; without one
# it converts that picture to a WBMP fitted to a 96 x 60 phone display with
# the command-line tool and prints it in the terminal.
set -euo pipefail
build_dir=${1:-build}
sample=samples/landscape.bmp

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]] && [[ -x "$build_dir/app/glyphon" ]]; then
    exec "$build_dir/app/glyphon" "$sample"
fi

cli="$build_dir/cli/glyphon-cli"
out_dir="$build_dir/demo"
mkdir -p "$out_dir"
"$cli" convert "$sample" --fit 96x60 -m floyd-steinberg -o "$out_dir/landscape.wbmp"
"$cli" info "$out_dir/landscape.wbmp"
"$cli" show "$out_dir/landscape.wbmp"
echo "Written: $out_dir/landscape.wbmp"
